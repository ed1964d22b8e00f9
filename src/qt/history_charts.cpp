#include "qt/history_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QLineSeries>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>

#include "qt/control_link.h"

namespace orvan::qt {

namespace {

QColor colourOf(ui::Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

QWidget* placeholder(QDialog* dialog, const char* name) {
    QWidget* area = dialog->findChild<QWidget*>(name);
    if (!area->layout()) {
        auto* layout = new QVBoxLayout(area);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    return area;
}

// The chart and what draws it are read out under the name of their area.
QChartView* chartIn(QWidget* area) {
    auto* view = new QChartView(new QChart, area);
    view->setObjectName(area->objectName() + "Chart");
    view->setAccessibleName(area->accessibleName());
    for (QWidget* part : view->findChildren<QWidget*>())
        if (part->accessibleName().isEmpty()) part->setAccessibleName(area->accessibleName());
    view->setRenderHint(QPainter::Antialiasing);
    view->chart()->legend()->setAlignment(Qt::AlignRight);
    area->layout()->addWidget(view);
    return view;
}

qint64 ms(std::int64_t seconds) {
    return seconds * 1000;
}

}  // namespace

// The states as bands across the span, each error's code above its onset.
class TimelineView : public QWidget {
  public:
    explicit TimelineView(QWidget* parent) : QWidget(parent) {
        setMinimumHeight(56);
        setAccessibleName("Timeline of states");
    }
    void show(const history::Timeline& timeline, history::Span span) {
        timeline_ = timeline;
        span_ = span;
        QStringList states;
        for (const auto& b : timeline_.bands)
            if (!states.contains(toQt(b.text))) states << toQt(b.text);
        setAccessibleDescription(states.join(", "));
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        const double width = std::max<std::int64_t>(1, span_.to - span_.from);
        const auto x = [&](std::int64_t at) {
            return static_cast<int>((at - span_.from) / width * this->width());
        };
        const QRect strip(0, 20, this->width(), height() - 24);
        for (const auto& b : timeline_.bands) {
            QRect r(x(b.from), strip.top(), std::max(1, x(b.to) - x(b.from)), strip.height());
            p.fillRect(r, colourOf(b.colour));
        }
        p.setPen(Qt::red);
        // Every error is marked; its code is written where the one before
        // left room.
        int free = 0;
        for (const auto& e : timeline_.errors) {
            p.drawLine(x(e.at), 14, x(e.at), strip.bottom());
            if (x(e.at) < free) continue;
            p.drawText(x(e.at) + 2, 12, toQt(e.code));
            free = x(e.at) + 4 + p.fontMetrics().horizontalAdvance(toQt(e.code));
        }
    }

  private:
    history::Timeline timeline_;
    history::Span span_;
};

HistoryCharts::HistoryCharts(QDialog* dialog, history::HistoryForm& model)
    : QObject(dialog), model_(model), dialog_(dialog) {
    QWidget* timelineArea = placeholder(dialog, "timelineArea");
    timeline_ = new TimelineView(timelineArea);
    timelineArea->layout()->addWidget(timeline_);
    levels_ = chartIn(placeholder(dialog, "levelsArea"));
    cards_ = chartIn(placeholder(dialog, "cardsArea"));
    model_.onPageChanged = [this] { redraw(); };
    model_.chooseExportFile = [dialog] {
        return QFileDialog::getSaveFileName(dialog, "Export events", "events.csv",
                                            "CSV files (*.csv)")
            .toStdString();
    };
    redraw();
}

HistoryCharts::~HistoryCharts() {
    model_.onPageChanged = nullptr;
    model_.chooseExportFile = nullptr;
}

void HistoryCharts::redraw() {
    const history::HistoryPage& page = model_.page();
    timeline_->show(page.timeline, page.span);

    QChart* levels = levels_->chart();
    levels->removeAllSeries();
    for (QAbstractAxis* axis : levels->axes()) levels->removeAxis(axis);
    auto* ink = new QLineSeries;
    ink->setName("Ink %");
    auto* film = new QLineSeries;
    film->setName("Film %");
    for (const auto& s : page.levels) {
        if (s.ink) ink->append(static_cast<qreal>(ms(s.at)), *s.ink);
        if (s.film) film->append(static_cast<qreal>(ms(s.at)), *s.film);
    }
    levels->addSeries(ink);
    levels->addSeries(film);
    auto* time = new QDateTimeAxis;
    time->setRange(QDateTime::fromMSecsSinceEpoch(ms(page.span.from)),
                   QDateTime::fromMSecsSinceEpoch(ms(page.span.to)));
    time->setFormat(page.span.to - page.span.from > 2 * 86400 ? "MMM d" : "hh:mm");
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    levels->addAxis(time, Qt::AlignBottom);
    levels->addAxis(percent, Qt::AlignLeft);
    for (auto* series : {ink, film}) {
        series->attachAxis(time);
        series->attachAxis(percent);
    }

    QChart* cards = cards_->chart();
    cards->removeAllSeries();
    for (QAbstractAxis* axis : cards->axes()) cards->removeAxis(axis);
    auto* set = new QBarSet("Cards printed per day");
    QStringList days;
    qreal most = 1;
    // Every day of the span has its bar, a day without cards an empty one,
    // so that the bars keep the calendar's spacing.
    constexpr std::int64_t kDay = 86400;
    const history::Span span = history::Bounded(page.span);
    auto next = page.cards.begin();
    for (std::int64_t day = span.from - span.from % kDay; day < span.to; day += kDay) {
        while (next != page.cards.end() && next->day < day) ++next;
        const qreal cards =
            next != page.cards.end() && next->day == day ? static_cast<qreal>(next->cards) : 0;
        *set << cards;
        most = std::max(most, cards);
        days << QDateTime::fromSecsSinceEpoch(day, Qt::UTC).toString("MMM d");
    }
    auto* bars = new QBarSeries;
    // Side by side with no gap once the days are many: a gap would leave
    // bars too thin to see.
    bars->setBarWidth(days.size() > 31 ? 1.0 : 0.6);
    bars->append(set);
    cards->addSeries(bars);
    // The theme's light outline would wash a one-pixel bar out.
    set->setBorderColor(set->color());
    auto* dayAxis = new QBarCategoryAxis;
    dayAxis->append(days);
    dayAxis->setLabelsVisible(days.size() <= 31);
    auto* count = new QValueAxis;
    count->setRange(0, most);
    count->applyNiceNumbers();
    count->setLabelFormat("%d");
    cards->addAxis(dayAxis, Qt::AlignBottom);
    cards->addAxis(count, Qt::AlignLeft);
    bars->attachAxis(dayAxis);
    bars->attachAxis(count);
}

}  // namespace orvan::qt
