#include "forms/TextBoxes.h"

#include <QEvent>
#include <QLineEdit>
#include <QObject>

namespace {

class ClearOnDoubleClick : public QObject {
public:
    explicit ClearOnDoubleClick(QLineEdit& box) : QObject(&box), box_(box) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonDblClick) {
            return false;
        }
        box_.clear();
        return true;
    }

private:
    QLineEdit& box_;
};

} // namespace

void clearOnDoubleClick(QLineEdit& box) {
    box.installEventFilter(new ClearOnDoubleClick(box));
}
