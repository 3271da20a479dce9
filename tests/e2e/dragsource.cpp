// SPDX-License-Identifier: GPL-3.0-or-later
// Another application for the real-window tests: a window titled "Drag source" that offers
// the text of its one argument for dragging when the left button is pressed and moved.
#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

namespace {

class DragSource : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!(event->buttons() & Qt::LeftButton))
            return;
        auto *drag = new QDrag(this);
        auto *offered = new QMimeData;
        offered->setText(text());
        drag->setMimeData(offered);
        drag->exec(Qt::CopyAction);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    DragSource source(QApplication::arguments().value(1));
    source.setWindowTitle(QStringLiteral("Drag source"));
    source.setMinimumSize(120, 60);
    source.show();
    return QApplication::exec();
}
