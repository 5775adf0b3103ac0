#pragma once

#include "preview/PreviewContent.h"
#include "preview/PreviewPageRenderer.h"
#include "preview/PreviewPageView.h"
#include "printing/QtTextMetrics.h"

#include <QDialog>

#include <memory>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;
class QSpinBox;

// "Előnézet – <program>": the pages of a recorded run as they will be printed, slips over their
// faint form, with zoom ("Egész oldal", "Oldalszélesség", "100 %"), page navigation and the
// page label "oldal n / összesen"; under the page, how many of its marks fall where the printer
// cannot print ("3 jel a nyomtatható területen kívül esik"), those marks painted red. "Nyomtatás"
// closes it accepted, "Bezár" rejected: whoever showed it prints afterwards when asked to.
class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    explicit PreviewWindow(PreviewContent content, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    PreviewPageView& pageView() { return *view_; }

private:
    QWidget* makeZoomBar();
    QWidget* makeNavigationBar();
    QWidget* makeButtonBar();
    void showCurrentPage(int page);

    PreviewContent content_;
    std::unique_ptr<QtTextMetrics> ownMetrics_; // when the content brings none
    PreviewPageRenderer renderer_;
    PreviewPageView* view_;
    QButtonGroup* zoomButtons_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QLabel* marksLabel_ = nullptr; // the current page's marks that cannot land
    QSpinBox* pageBox_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
};
