#include "package/ui/MultipleCfgForm.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

MultipleCfgForm::MultipleCfgForm(platform::MessageBoxes &messages, const QStringList &entries,
                                 QWidget *parent)
    : QDialog(parent), messages_(messages), Label1_(new QLabel(this)), Label2_(new QLabel(this)),
      lstConfigs_(new QListWidget(this)), cmdOK_(new QPushButton(this))
{
    setObjectName(QStringLiteral("frmMultipleCfg"));
    setWindowTitle(QStringLiteral("Select Aircraft Configuration"));
    setModal(true);

    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setTextFormat(Qt::PlainText);
    Label1_->setWordWrap(true);
    Label1_->setText(QStringLiteral(
        "An aircraft.cfg file has been detected which contains multiple configurations.  "
        "Wingstash has limited support for this situation in that it lets you select one of "
        "these configurations at a time.  The files for the other configurations will be moved "
        "from the Staging directory to proceed."));

    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setTextFormat(Qt::PlainText);
    Label2_->setText(QStringLiteral("Select a configuration from the list"));

    // Row r must stay entry r of the configuration table, so the list is never sorted.
    lstConfigs_->setObjectName(QStringLiteral("lstConfigs"));
    lstConfigs_->setSortingEnabled(false);
    lstConfigs_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstConfigs_->addItems(entries);

    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setText(QStringLiteral("OK"));
    // Enter in the list must not close the form without the selection check.
    cmdOK_->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1_);
    layout->addWidget(Label2_);
    layout->addWidget(lstConfigs_, 1);
    layout->addWidget(cmdOK_, 0, Qt::AlignHCenter);
    resize(420, 360);

    connect(cmdOK_, &QPushButton::clicked, this, &MultipleCfgForm::cmdOK_Click);
    connect(lstConfigs_, &QListWidget::itemDoubleClicked, this,
            &MultipleCfgForm::lstConfigs_DblClick);
}

void MultipleCfgForm::cmdOK_Click()
{
    const QList<QListWidgetItem *> selected = lstConfigs_->selectedItems();
    if (selected.isEmpty()) {
        messages_.inform(QStringLiteral("Please select a configuration by selecting it and "
                                        "hitting 'OK', or but double clicking it."));
        return;
    }
    choose(lstConfigs_->row(selected.first()));
}

void MultipleCfgForm::lstConfigs_DblClick(QListWidgetItem *item)
{
    if (item == nullptr)
        return;
    lstConfigs_->setCurrentItem(item);
    choose(lstConfigs_->row(item));
}

void MultipleCfgForm::choose(int row)
{
    chosenRow_ = row;
    accept();
}
