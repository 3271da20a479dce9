#pragma once

class QString;
class QWidget;

// Sets what assistive technology reads for a widget and tells it of the change; the
// widget's own setters do not announce anything on this Qt.
void announceAccessibleDescription(QWidget *widget, const QString &description);
// The name is set at once; since it may change several times while one event is handled,
// its change is told once, when that event is over.
void announceAccessibleNameOnce(QWidget *widget, const QString &name);
