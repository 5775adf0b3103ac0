#include "preview/PreviewWindow.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

const QString titlePrefix = QStringLiteral("Előnézet – ");

// "oldal 3 / 4092"; "oldal 0 / 0" when there is nothing to show.
QString pageCaption(int page, int count) {
    return QStringLiteral("oldal %1 / %2").arg(count == 0 ? 0 : page + 1).arg(count);
}

QString marksOutsideCaption(int marks) {
    return QStringLiteral("%1 jel a nyomtatható területen kívül esik").arg(marks);
}

} // namespace

PreviewWindow::PreviewWindow(PreviewContent content, QWidget* parent)
    : QDialog(parent), content_(std::move(content)),
      ownMetrics_(content_.metrics ? nullptr : std::make_unique<QtTextMetrics>()),
      renderer_(content_.recording, content_.form,
                content_.metrics ? *content_.metrics : *ownMetrics_,
                content_.margins ? *content_.margins : defaultPrinterMargins()),
      view_(new PreviewPageView(renderer_, this)) {
    setWindowTitle(titlePrefix + content_.programName);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(makeZoomBar());
    top->addStretch();
    top->addWidget(makeNavigationBar());
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    marksLabel_ = new QLabel(this);
    marksLabel_->setObjectName(QStringLiteral("marksOutside"));
    marksLabel_->setStyleSheet(QStringLiteral("color: #c00000;"));
    layout->addWidget(marksLabel_);
    layout->addWidget(makeButtonBar());
    connect(view_, &PreviewPageView::currentPageChanged, this, &PreviewWindow::showCurrentPage);
    showCurrentPage(view_->currentPage());
    resize(760, 900);
}

PreviewWindow::~PreviewWindow() = default;

QWidget* PreviewWindow::makeZoomBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    zoomButtons_ = new QButtonGroup(bar);
    const std::pair<QString, PreviewPageView::Zoom> zooms[] = {
        {QStringLiteral("Egész oldal"), PreviewPageView::Zoom::WholePage},
        {QStringLiteral("Oldalszélesség"), PreviewPageView::Zoom::PageWidth},
        {QStringLiteral("100 %"), PreviewPageView::Zoom::TrueSize},
    };
    for (const auto& [caption, zoom] : zooms) {
        auto* button = new QPushButton(caption, bar);
        button->setCheckable(true);
        button->setChecked(zoom == view_->zoom());
        zoomButtons_->addButton(button, int(zoom));
        row->addWidget(button);
    }
    connect(zoomButtons_, &QButtonGroup::idClicked, this,
            [this](int id) { view_->setZoom(PreviewPageView::Zoom(id)); });
    return bar;
}

QWidget* PreviewWindow::makeNavigationBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* first = new QPushButton(QStringLiteral("Első"), bar);
    previousButton_ = new QPushButton(QStringLiteral("Előző"), bar);
    pageBox_ = new QSpinBox(bar);
    pageBox_->setRange(std::min(1, view_->pageCount()), view_->pageCount());
    pageBox_->setAccessibleName(QStringLiteral("Oldalszám"));
    pageBox_->setKeyboardTracking(false); // a typed number is gone to once it is complete
    nextButton_ = new QPushButton(QStringLiteral("Következő"), bar);
    auto* last = new QPushButton(QStringLiteral("Utolsó"), bar);
    pageLabel_ = new QLabel(bar);
    for (QWidget* w : std::initializer_list<QWidget*>{first, previousButton_, pageBox_, nextButton_,
                                                      last, pageLabel_}) {
        row->addWidget(w);
    }
    connect(first, &QPushButton::clicked, this, [this] { view_->showPage(0); });
    connect(previousButton_, &QPushButton::clicked, this,
            [this] { view_->showPage(view_->currentPage() - 1); });
    connect(nextButton_, &QPushButton::clicked, this,
            [this] { view_->showPage(view_->currentPage() + 1); });
    connect(last, &QPushButton::clicked, this, [this] { view_->showPage(view_->pageCount() - 1); });
    connect(pageBox_, &QSpinBox::valueChanged, this,
            [this](int number) { view_->showPage(number - 1); });
    return bar;
}

QWidget* PreviewWindow::makeButtonBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* printButton = new QPushButton(QStringLiteral("Nyomtatás"), bar);
    auto* closeButton = new QPushButton(QStringLiteral("Bezár"), bar);
    row->addStretch();
    row->addWidget(printButton);
    row->addWidget(closeButton);
    connect(printButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

void PreviewWindow::showCurrentPage(int page) {
    const int count = view_->pageCount();
    pageLabel_->setText(pageCaption(page, count));
    {
        const QSignalBlocker quiet(pageBox_);
        pageBox_->setValue(page + 1);
    }
    previousButton_->setEnabled(page > 0);
    nextButton_->setEnabled(page + 1 < count);
    const int marks = count == 0 ? 0 : renderer_.marksOutside(page);
    // The line keeps its place when empty, so the view does not change size while scrolling.
    marksLabel_->setText(marks > 0 ? marksOutsideCaption(marks) : QString());
}
