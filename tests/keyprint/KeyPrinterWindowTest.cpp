// The key printer window itself: its controls as designed, the load handler, and the handlers
// that need no printing.

#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include "core/slip/SlipLayout.h"
#include "keyprint/KeyPrinterDesign.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

QRect pixels(int left, int top, int width, int height) {
    return twipsToPixels(QRect(left, top, width, height));
}

// A control stands at its designed place; option buttons and check boxes may be taller than
// designed, as long as they stay centred on it.
void expectPlaced(const QWidget* widget, const QRect& designed, bool mayGrow) {
    const QRect actual = widget->geometry();
    const std::string name = widget->objectName().toStdString();
    EXPECT_EQ(actual.left(), designed.left()) << name;
    EXPECT_EQ(actual.width(), designed.width()) << name;
    if (mayGrow && actual.height() > designed.height()) {
        EXPECT_NEAR(actual.center().y(), designed.center().y(), 1) << name;
    } else {
        EXPECT_EQ(actual, designed) << name;
    }
}

} // namespace

TEST_P(KeyPrinterWindowTest, WindowHasItsTitleNameAndClientArea) {
    EXPECT_EQ(window_->objectName(), "Form1");
    const QSize twips = game() == 5   ? QSize(6690, 6030)
                        : game() == 7 ? QSize(6690, 6165)
                                      : QSize(6690, 6420);
    // The designed client area, and under it the strip of the buttons the design has no room for.
    const auto* strip = window_->findChild<QWidget*>(QStringLiteral("ButtonStrip"));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->geometry().top(), twipsToPixels(twips.height()));
    EXPECT_EQ(window_->size(),
              QSize(twipsToPixels(twips.width()), twipsToPixels(twips.height()) + strip->height()));
    const QString title = window_->windowTitle();
    EXPECT_TRUE(title.endsWith(game() == 7 ? "Kelvadata/2013" : "Kelvadata/2010"));
    EXPECT_TRUE(title.startsWith(game() == 7 ? "  Hetes" : game() == 5 ? " Ötös" : " Hatos"));
    EXPECT_TRUE(window_->font().bold());
    EXPECT_DOUBLE_EQ(window_->font().pointSizeF(), 8.25);
}

TEST_P(KeyPrinterWindowTest, ControlsCarryTheirCaptionsAndInitialState) {
    EXPECT_EQ(label("Label2")->text(), "A nyomtatás pozicionálása");
    EXPECT_EQ(label("Label1(0)")->text(), "Tolja lefelé 'yy' mm-vel + - !");
    EXPECT_EQ(label("Label1(1)")->text(), "Tolja jobbra 'xx' mm-vel + - !");
    EXPECT_EQ(text("Text1")->text(), "0");
    EXPECT_EQ(text("Text2")->text(), "0");
    EXPECT_EQ(text("Text5")->text(), "60");
    EXPECT_EQ(text("Text6")->text(), QString::number(maxFields()));
    EXPECT_EQ(text("Text3")->text(), "");
    EXPECT_EQ(text("Text4")->text(), "");
    EXPECT_EQ(label("Label11")->text(), "Tól:");
    EXPECT_EQ(label("Label13")->text(), "Ig:");
    EXPECT_EQ(button("Command3D9")->text(), game() == 7 ? "Sorokat nyomtat" : "-> Nyomtatás");
    EXPECT_EQ(button("Command3D3")->text(), "Beállítás mentése");
    EXPECT_EQ(button("Command3D5")->text(), "A4-s lapra nyomtat");
    EXPECT_EQ(button("Command3D1")->text(), "Szelv. kitölt");
    EXPECT_EQ(button("Command3D4")->text(), "Kulcs választás");
    EXPECT_EQ(button("Command3D2")->text(), "Kilép");
    EXPECT_EQ(label("Label3(0)")->text(), "Szelvényszám :");
    for (const char* empty : {"Label4", "Label5", "Label7"}) {
        EXPECT_EQ(label(empty)->text(), "") << empty;
    }
    EXPECT_EQ(list1()->model()->rowCount(), 0);

    // Game-dependent label names.
    const bool seven = game() == 7;
    EXPECT_EQ(label(seven ? "Label12" : "Label6")->text(), "JOKER :");
    EXPECT_EQ(label(seven ? "Label10" : "Label12")->text(), "Szelvényenkénti mezők száma.");
    EXPECT_EQ(label(seven ? "Label9" : "Label10")->text(), "Lapdobással indul !");
    EXPECT_EQ(label(seven ? "Label8" : "Label9")->text(),
              game() == 6 ? "Egy lapra 'xx' sort nyomtat." : "Egy oldalra 'xx' sort nyomtat.");
    EXPECT_EQ(label(seven ? "Label6" : "Label8")->text(), "");

    // Option groups: captions, indices and design selections.
    const char* marks[] = {"x", "*", "•"};
    for (int i = 0; i < 3; ++i) {
        auto* option = window_->findChild<QRadioButton*>(QStringLiteral("Option2(%1)").arg(i));
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->text(), QString::fromUtf8(marks[i]));
        EXPECT_EQ(option->property("index").toInt(), i);
        EXPECT_EQ(option->property("controlArray").toString(), "Option2");
        EXPECT_EQ(option->parentWidget()->objectName(), "Frame1");
        EXPECT_EQ(option->isChecked(), i == 1);
    }
    EXPECT_EQ(button("Option4(0)")->text(), "álló");
    EXPECT_EQ(button("Option4(1)")->text(), "fekvő");
    EXPECT_EQ(button("Option4(0)")->parentWidget()->objectName(), "Frame4");
    EXPECT_TRUE(button("Option4(0)")->isChecked());
    EXPECT_EQ(button("Option1(0)")->text(), "Igen");
    EXPECT_EQ(button("Option1(1)")->text(), "Nem");
    EXPECT_TRUE(button("Option1(1)")->isChecked());
    EXPECT_FALSE(button("Check1")->isChecked());
    EXPECT_EQ(button("Check1")->text(), "");

    auto* twoSided = window_->findChild<QCheckBox*>("Check3");
    if (seven) {
        ASSERT_NE(twoSided, nullptr);
        EXPECT_EQ(twoSided->text(), "Kétoldalas nyomtatás");
        EXPECT_FALSE(twoSided->isChecked());
        expectPlaced(twoSided, pixels(4260, 2496, 2175, 300), true);
    } else {
        EXPECT_EQ(twoSided, nullptr);
    }
}

TEST_P(KeyPrinterWindowTest, FontsAndColoursFollowTheDesign) {
    const QFont heading = label("Label2")->font();
    EXPECT_DOUBLE_EQ(heading.pointSizeF(), 13.5);
    EXPECT_TRUE(heading.bold());
    EXPECT_EQ(label("Label2")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    const QString joker = game() == 7 ? "Label12" : "Label6";
    EXPECT_EQ(label(joker)->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_NE(label("Label1(0)")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_DOUBLE_EQ(button("Command3D1")->font().pointSizeF(), 13.5);
    EXPECT_DOUBLE_EQ(button("Command3D4")->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(button("Command3D2")->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(button("Command3D5")->font().pointSizeF(), 8.25);
    EXPECT_TRUE(button("Command3D5")->font().bold());
    EXPECT_TRUE(label("Label7")->alignment() & Qt::AlignHCenter);
}

TEST_P(KeyPrinterWindowTest, ControlsHaveUniqueNamesFitTheClientAreaAndDoNotOverlap) {
    const KeyPrinterDesign& design = keyPrinterDesign(game());
    const QList<const ControlDesign*> controls = design.controls();
    const auto frameArea = [&](const QString& frame) {
        for (const ControlDesign* c : controls) {
            if (c->objectName() == frame) {
                return c->twips.translated(-c->twips.topLeft());
            }
        }
        ADD_FAILURE() << "no frame " << frame.toStdString();
        return QRect();
    };
    QSet<QString> names;
    for (const ControlDesign* control : controls) {
        const ControlDesign& c = *control;
        EXPECT_FALSE(names.contains(c.objectName())) << c.objectName().toStdString();
        names.insert(c.objectName());
        QWidget* widget = window_->findChild<QWidget*>(c.objectName());
        ASSERT_NE(widget, nullptr) << c.objectName().toStdString();
        expectPlaced(widget, twipsToPixels(c.twips),
                     c.kind == ControlKind::OptionButton || c.kind == ControlKind::CheckBox);
        const QRect area =
            c.frame.isEmpty() ? QRect(QPoint(0, 0), design.clientTwips) : frameArea(c.frame);
        EXPECT_TRUE(area.contains(c.twips)) << c.objectName().toStdString();
    }
    for (const ControlDesign* a : controls) {
        for (const ControlDesign* b : controls) {
            if (a < b && a->frame == b->frame) {
                EXPECT_FALSE(a->twips.intersects(b->twips))
                    << a->objectName().toStdString() << " overlaps "
                    << b->objectName().toStdString();
            }
        }
    }
}

TEST_P(KeyPrinterWindowTest, LoadCentresTheWindowOnTheScreen) {
    fake_.screen.size = QSize(1000, 800);
    auto window = openWindow();
    ASSERT_NE(window, nullptr);
    // Centred with its frame: the offscreen platform gives windows a frame of a few pixels.
    const QSize outer = window->frameGeometry().size();
    ASSERT_GT(outer.width(), window->width());
    EXPECT_EQ(window->pos(), QPoint((1000 - outer.width()) / 2, (800 - outer.height()) / 2));
    EXPECT_TRUE(fake_.messageBox.shown.empty());
}

TEST_P(KeyPrinterWindowTest, SecondInstanceIsRefusedWithTheProgramName) {
    fake_.singleInstance.otherRunning = true;
    KeyPrinterWindow second(profile(), fake_.services());
    EXPECT_FALSE(second.load());
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text, programName() + " márt fut ! ");
    EXPECT_EQ(fake_.messageBox.shown[0].icon, MessageBoxService::Icon::Exclamation);
    EXPECT_EQ(fake_.messageBox.shown[0].buttons, MessageBoxService::Buttons::Ok);
    EXPECT_FALSE(second.isVisible());
}

TEST_P(KeyPrinterWindowTest, DoubleClickEmptiesOnlyThatTextBox) {
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
        text(name)->setText("42");
    }
    QTest::mouseDClick(text("Text5"), Qt::LeftButton);
    EXPECT_EQ(text("Text5")->text(), "");
    EXPECT_EQ(text("Text1")->text(), "42");
    QTest::mouseDClick(text("Text3"), Qt::LeftButton);
    EXPECT_EQ(text("Text3")->text(), "");
    EXPECT_EQ(text("Text6")->text(), "42");
}

TEST_P(KeyPrinterWindowTest, Text6LosingTheFocusClampsIt) {
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    const QString maximum = QString::number(maxFields());
    struct Case {
        QString typed;
        QString kept;
    };
    const std::vector<Case> cases{{"", maximum},    {"0", maximum},
                                  {"abc", maximum}, {QString::number(maxFields() + 1), maximum},
                                  {"-3", maximum},  {maximum, maximum},
                                  {"1", "1"},       {"3", "3"}};
    for (const Case& c : cases) {
        text("Text6")->setText(c.typed);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(text("Text6"), &out);
        EXPECT_EQ(text("Text6")->text(), c.kept) << c.typed.toStdString();
        EXPECT_EQ(label("Label4")->text(), " 0") << "empty list gives no slips";
    }
}

TEST_P(KeyPrinterWindowTest, Text6IsNotCheckedWhenOnlyTheWindowLosesActivation) {
    text("Text6")->setText("");
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(text("Text6"), &out);
    EXPECT_EQ(text("Text6")->text(), "");
    EXPECT_EQ(label("Label4")->text(), "");
}

TEST_P(KeyPrinterWindowTest, MovingTheFocusAwayFromText6ChecksIt) {
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    text("Text6")->setFocus(Qt::MouseFocusReason);
    QTest::mouseDClick(text("Text6"), Qt::LeftButton);
    EXPECT_EQ(text("Text6")->text(), "");
    text("Text1")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(text("Text6")->text(), QString::number(maxFields()));
    EXPECT_EQ(label("Label4")->text(), " 0");
}

TEST_P(KeyPrinterWindowTest, ExitEndsAtOnceWithoutSaving) {
    window_->show();
    text("Text1")->setText("7");
    QSignalSpy exits(window_.get(), &KeyPrinterWindow::exitRequested);
    click("Command3D2");
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(fake_.messageBox.shown.empty());
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyPrinterWindowTest);
