#pragma once

#include <QStyle>

#include <initializer_list>

class QDialog;
class QWidget;

namespace qvs::app {

// Lays out a small notice: the icon left of its lines of text, one default "Close" button
// (btnClose, accepts) under them, a fixed width.
void LayOutNotice(QDialog& dialog, QStyle::StandardPixmap icon, std::initializer_list<QWidget*> lines);

}  // namespace qvs::app
