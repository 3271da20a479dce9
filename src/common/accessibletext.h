#pragma once

class QString;
class QWidget;

// Sets what assistive technology reads for a widget and tells it of the change; the
// widget's own setters do not announce anything on this Qt.
void announceAccessibleName(QWidget *widget, const QString &name);
void announceAccessibleDescription(QWidget *widget, const QString &description);
