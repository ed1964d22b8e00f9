#pragma once
// A thin hold on one SQLite connection and its prepared statements: the
// rest of the history speaks SQL through it and never sees the C handles.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace orvan::history {

class Statement {
  public:
    Statement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    ~Statement();

    bool valid() const { return stmt_ != nullptr; }
    // Parameters count from 1; an empty value binds NULL.
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, const std::optional<std::int64_t>& value);
    // Next row: true while there is one; false at the end or on an error
    // (failed() tells which).
    bool step();
    bool failed() const { return failed_; }
    // Runs to the end; false on an error.
    bool run();
    void reset();

    std::int64_t integer(int column) const;
    std::optional<std::int64_t> optionalInteger(int column) const;
    std::string text(int column) const;

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_;
    bool failed_ = false;
};

class Database {
  public:
    // Opens (and creates unless readOnly) the file; nullptr with why.
    static std::unique_ptr<Database> open(const std::string& path, bool readOnly, int busyTimeoutMs,
                                          std::string& why);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Statements without results; false with error() on a failure.
    bool exec(const std::string& sql);
    Statement prepare(std::string_view sql);
    // The first column of the first row of sql, or empty.
    std::optional<std::int64_t> scalar(const std::string& sql);
    std::string error() const;

  private:
    explicit Database(sqlite3* db) : db_(db) {}
    sqlite3* db_;
};

}  // namespace orvan::history
