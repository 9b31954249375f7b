#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// The main window's controls, made as its designer placed them: named, captions in plain text,
// labels lettered light as they lie on a dark picture or a dark tab page.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption);
QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption = {});
QComboBox *makeComboBox(QWidget *parent, const char *name);
