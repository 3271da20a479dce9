#pragma once

class QString;
class QWidget;

// Sets what assistive technology reads for a widget and tells it of the change; the
// widget's own setters do not announce anything on this Qt.
void AnnounceAccessibleName(QWidget *widget, const QString &name);
void AnnounceAccessibleDescription(QWidget *widget, const QString &description);
