#include "tools/ui/DirSelectDialog.h"

#include "platform/qt/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>

#include <cerrno>
#include <system_error>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kIndentPixels = 12;

// Indents each row by its depth, the way the classic directory list draws its tree.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + indentOf(index));
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize hint = QStyledItemDelegate::sizeHint(option, index);
        hint.rwidth() += indentOf(index);
        return hint;
    }

private:
    static int indentOf(const QModelIndex &index)
    {
        return index.data(kLevelRole).toInt() * kIndentPixels;
    }
};

QString systemDescription(int code)
{
    return QString::fromStdString(std::generic_category().message(code));
}

bool isUnder(const QString &path, const QString &root)
{
    if (path == root)
        return true;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path.startsWith(prefix);
}

// Kernel and runtime file systems are not places anyone keeps add-ons; listing them would
// only bury the real volumes.
bool isPseudoVolume(const QStorageInfo &volume)
{
    static const QSet<QByteArray> pseudoTypes{
        "proc",   "sysfs",       "devtmpfs",   "devpts",  "cgroup",     "cgroup2",  "mqueue",
        "pstore", "bpf",         "configfs",   "debugfs", "tracefs",    "fusectl",  "hugetlbfs",
        "autofs", "binfmt_misc", "securityfs", "nsfs",    "rpc_pipefs", "efivarfs", "selinuxfs"};
    const QString root = volume.rootPath();
    for (const char *system : {"/proc", "/sys", "/dev", "/run"}) {
        if (isUnder(root, QString::fromLatin1(system)))
            return true;
    }
    return pseudoTypes.contains(volume.fileSystemType());
}

QString volumeCaption(const QStorageInfo &volume)
{
    const QString name = volume.name();
    return name.isEmpty() ? volume.rootPath()
                          : QStringLiteral("%1 [%2]").arg(volume.rootPath(), name);
}

// The directories from the root down to the given one.
QStringList ancestorsAndSelf(const QString &path)
{
    QStringList chain{path};
    QDir dir(path);
    while (dir.cdUp()) {
        const QString up = dir.absolutePath();
        if (up == chain.first())
            break;
        chain.prepend(up);
    }
    return chain;
}

QString displayName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

} // namespace

DirSelectDialog::DirSelectDialog(const QString &start, platform::MessageBoxes &messages,
                                 QWidget *parent)
    : QDialog(parent), start_(start), messages_(messages)
{
    buildControls();
    Form_Load();
}

QString DirSelectDialog::fallbackPath()
{
    const QStorageInfo home(QDir::homePath());
    return home.isValid() && home.isReady() ? home.rootPath() : QDir::rootPath();
}

void DirSelectDialog::buildControls()
{
    setObjectName(QStringLiteral("frmDirSelect"));
    setWindowTitle(QStringLiteral("Directory Selection"));
    setFixedSize(twips::size(this, 4425, 3525));

    Drive1_ = new QComboBox(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    twips::place(Drive1_, 120, 120, 4095, 315);

    Dir1_ = new QListWidget(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    Dir1_->setItemDelegate(new IndentDelegate(Dir1_));
    Dir1_->setSelectionMode(QAbstractItemView::SingleSelection);
    twips::place(Dir1_, 120, 480, 4095, 2115);

    lblDirSelectComment_ = new QLabel(
        QStringLiteral("Double click on the desired directory and select \"OK\"."), this);
    lblDirSelectComment_->setObjectName(QStringLiteral("lblDirSelectComment"));
    lblDirSelectComment_->setWordWrap(true);
    twips::place(lblDirSelectComment_, 120, 2640, 4215, 375);

    cmdOk_ = new QPushButton(QStringLiteral("&Ok"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    twips::place(cmdOk_, 120, 3000, 1692, 372);

    cmdCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    twips::place(cmdCancel_, 2520, 3000, 1692, 372);

    setTabOrder(cmdCancel_, cmdOk_);
    setTabOrder(cmdOk_, Dir1_);
    setTabOrder(Dir1_, Drive1_);

    connect(Drive1_, &QComboBox::activated, this, &DirSelectDialog::Drive1_Change);
    connect(Dir1_, &QListWidget::itemDoubleClicked, this, &DirSelectDialog::Dir1_DblClick);
    connect(cmdOk_, &QPushButton::clicked, this, &DirSelectDialog::cmdOk_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &DirSelectDialog::reject);
}

void DirSelectDialog::Form_Load()
{
    const QString start = QDir::fromNativeSeparators(start_);
    const QFileInfo startInfo(start);
    const QString startVolume =
        startInfo.isAbsolute() && startInfo.exists() ? QStorageInfo(start).rootPath() : QString();
    fillDriveList(startVolume);

    // A start path that cannot be opened is no error to report: the picker simply opens
    // somewhere the user can choose from.
    if (!openDirectory(start) && !openDirectory(fallbackPath()))
        openDirectory(QDir::rootPath());
    selectDriveOf(currentPath_);
    Dir1_->setFocus();
}

void DirSelectDialog::fillDriveList(const QString &mustInclude)
{
    QStringList roots;
    const QSignalBlocker blocker(Drive1_);
    Drive1_->clear();
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool wanted = root == mustInclude ||
                            (volume.isValid() && volume.isReady() && !isPseudoVolume(volume));
        if (!wanted || roots.contains(root) || !QFileInfo(root).isDir())
            continue;
        roots.append(root);
        Drive1_->addItem(volumeCaption(volume), root);
    }
    if (!mustInclude.isEmpty() && Drive1_->findData(mustInclude) < 0)
        Drive1_->addItem(mustInclude, mustInclude);
    // The fallback opens at the root, so the root is always there to select.
    if (Drive1_->findData(QDir::rootPath()) < 0)
        Drive1_->insertItem(0, QDir::rootPath(), QDir::rootPath());
}

void DirSelectDialog::selectDriveOf(const QString &path)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < Drive1_->count(); ++i) {
        const QString root = Drive1_->itemData(i).toString();
        if (isUnder(path, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker blocker(Drive1_);
    Drive1_->setCurrentIndex(best);
    driveIndex_ = best;
}

bool DirSelectDialog::openDirectory(const QString &path, QString *error)
{
    const QFileInfo info(path);
    int failure = 0;
    if (path.isEmpty() || !info.isAbsolute() || !info.exists())
        failure = ENOENT;
    else if (!info.isDir())
        failure = ENOTDIR;
    else if (!info.isReadable() || !info.isExecutable())
        failure = EACCES;
    if (failure != 0) {
        if (error)
            *error = systemDescription(failure);
        return false;
    }

    const QString opened = QDir::cleanPath(info.absoluteFilePath());
    const QStringList chain = ancestorsAndSelf(opened);
    const QStringList children =
        QDir(opened).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    Dir1_->clear();
    auto addRow = [this](const QString &rowPath, const QString &text, int level,
                         const QIcon &icon) {
        auto *item = new QListWidgetItem(icon, text, Dir1_);
        item->setData(kPathRole, rowPath);
        item->setData(kLevelRole, level);
        return item;
    };
    QListWidgetItem *openedItem = nullptr;
    for (qsizetype level = 0; level < chain.size(); ++level)
        openedItem = addRow(chain[level], displayName(chain[level]), int(level), openIcon);
    for (const QString &child : children)
        addRow(QDir(opened).filePath(child), child, int(chain.size()), closedIcon);
    Dir1_->setCurrentItem(openedItem);
    Dir1_->scrollToItem(openedItem);

    currentPath_ = opened;
    return true;
}

void DirSelectDialog::showUnavailable(const QString &error)
{
    messages_.inform(QStringLiteral("Unavailable.  (Runtime Error: ") + error +
                     QStringLiteral(")"));
}

void DirSelectDialog::Dir1_DblClick(QListWidgetItem *item)
{
    if (!item)
        return;
    QString error;
    if (!openDirectory(item->data(kPathRole).toString(), &error)) {
        showUnavailable(error);
        openDirectory(currentPath_); // the list may be stale: show what is there now
        return;
    }
    selectDriveOf(currentPath_);
}

void DirSelectDialog::Drive1_Change(int index)
{
    // Picking the drive already open is no change.
    const QString root = Drive1_->itemData(index).toString();
    if (root.isEmpty() || index == driveIndex_)
        return;
    QString error;
    const QStorageInfo volume(root);
    bool opened = false;
    if (!volume.isValid() || !volume.isReady())
        error = systemDescription(ENODEV);
    else
        opened = openDirectory(root, &error);
    if (!opened)
        showUnavailable(error);
    // After a failure the list still shows the previous directory, and so does the drive list.
    selectDriveOf(currentPath_);
}

void DirSelectDialog::cmdOk_Click()
{
    // The path leaves Qt here: the rest of the program splits and builds paths with the
    // system's own separator.
    chosenPath_ = QDir::toNativeSeparators(currentPath_);
    accept();
}

std::optional<QString> BrowseForDirectory(platform::MessageBoxes &messages, const QString &start,
                                          QWidget *parent)
{
    DirSelectDialog picker(start, messages, parent);
    picker.exec();
    return picker.chosenPath();
}
