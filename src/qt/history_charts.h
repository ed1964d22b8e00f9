#pragma once
// What the history window's form cannot say: the timeline of states as
// coloured bands with the errors marked, the ink and film lines and the
// cards-per-day bars (Qt Charts), drawn from the model's page each time it
// is read again, and the file chooser of the CSV export.
#include <QDialog>
#include <QObject>

#include "history/history_form.h"

class QChartView;

namespace orvan::qt {

class TimelineView;

class HistoryCharts : public QObject {
  public:
    // Fills the placeholders of dialog (history_dialog.ui) and follows model.
    HistoryCharts(QDialog* dialog, history::HistoryForm& model);
    ~HistoryCharts() override;

    void redraw();

  private:
    history::HistoryForm& model_;
    QDialog* dialog_;
    TimelineView* timeline_;
    QChartView* levels_;
    QChartView* cards_;
};

}  // namespace orvan::qt
