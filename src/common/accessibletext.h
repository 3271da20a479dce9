#pragma once

class QString;
class QWidget;

// Sets what assistive technology reads for a widget and tells it of the change; the
// widget's own setters do not announce anything on this Qt.
void announceAccessibleDescription(QWidget *widget, const QString &description);
// Tells of a change of the name that the widget's accessible interface reads. A name may
// change several times while one event is handled; the change is told once, when that
// event is over.
void announceNameChangeOnce(QWidget *widget);
