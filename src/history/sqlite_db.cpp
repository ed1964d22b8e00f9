#include "history/sqlite_db.h"

#include <sqlite3.h>

namespace orvan::history {

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(other.stmt_), failed_(other.failed_) {
    other.stmt_ = nullptr;
}

Statement::~Statement() {
    if (stmt_) sqlite3_finalize(stmt_);
}

Statement& Statement::bind(int index, std::int64_t value) {
    if (stmt_) sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
    if (stmt_)
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bind(int index, const std::optional<std::int64_t>& value) {
    if (!stmt_) return *this;
    if (value)
        sqlite3_bind_int64(stmt_, index, *value);
    else
        sqlite3_bind_null(stmt_, index);
    return *this;
}

bool Statement::step() {
    if (!stmt_) {
        failed_ = true;
        return false;
    }
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    failed_ = rc != SQLITE_DONE;
    return false;
}

bool Statement::run() {
    while (step()) {
    }
    const bool ok = !failed_;
    reset();
    return ok;
}

void Statement::reset() {
    if (!stmt_) return;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    failed_ = false;
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::optional<std::int64_t> Statement::optionalInteger(int column) const {
    if (sqlite3_column_type(stmt_, column) == SQLITE_NULL) return std::nullopt;
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::text(int column) const {
    const auto* p = sqlite3_column_text(stmt_, column);
    const int n = sqlite3_column_bytes(stmt_, column);
    return p ? std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(n))
             : std::string();
}

std::unique_ptr<Database> Database::open(const std::string& path, bool readOnly, int busyTimeoutMs,
                                         std::string& why) {
    sqlite3* db = nullptr;
    const int flags =
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) |
        SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        why = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, busyTimeoutMs);
    // One row never holds more than a few kilobytes; a damaged file cannot
    // make a query allocate without bound.
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 20);
    return std::unique_ptr<Database>(new Database(db));
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

bool Database::exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

Statement Database::prepare(std::string_view sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &stmt, nullptr) != SQLITE_OK)
        stmt = nullptr;
    return Statement(db_, stmt);
}

std::optional<std::int64_t> Database::scalar(const std::string& sql) {
    Statement s = prepare(sql);
    if (!s.step()) return std::nullopt;
    return s.optionalInteger(0);
}

std::string Database::error() const {
    return sqlite3_errmsg(db_);
}

}  // namespace orvan::history
