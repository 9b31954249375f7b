#include "app/ui/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *created = new QPushButton(caption, parent);
    created->setObjectName(QLatin1String(name));
    return created;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *created = new QLabel(caption, parent);
    created->setObjectName(QLatin1String(name));
    // Names and paths from disk must show as written, never as markup.
    created->setTextFormat(Qt::PlainText);
    // Captions sit at the top of their designed boxes, as the boxes overlap the controls below.
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = created->palette();
    palette.setColor(QPalette::WindowText, QColor(0xf2, 0xf2, 0xf2));
    created->setPalette(palette);
    return created;
}

QComboBox *makeComboBox(QWidget *parent, const char *name)
{
    auto *created = new QComboBox(parent);
    created->setObjectName(QLatin1String(name));
    created->setEditable(false);
    return created;
}
