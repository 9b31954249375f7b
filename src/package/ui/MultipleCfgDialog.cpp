#include "package/ui/MultipleCfgDialog.h"

#include "package/ui/MultipleCfgForm.h"

DialogConfigChooser::DialogConfigChooser(platform::MessageBoxes &messages, QWidget *parent)
    : messages_(messages), parent_(parent)
{
}

void DialogConfigChooser::setParent(QWidget *parent)
{
    parent_ = parent;
}

std::optional<int> DialogConfigChooser::choose(const QStringList &entries)
{
    // A fresh form each time: it holds nothing worth keeping between two scans.
    MultipleCfgForm form(messages_, entries, parent_.data());
    form.exec();
    return form.chosenRow();
}
