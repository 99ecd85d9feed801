#include "picker/DirListBox.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QStyle>

namespace picker {

namespace {
constexpr int PathRole = Qt::UserRole;
}

DirListBox::DirListBox(platform::Platform& platform, QWidget* parent)
    : QListWidget(parent)
    , m_platform(platform) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { openItem(item); });
}

platform::Result<void> DirListBox::setPath(const QString& path) {
    const platform::Result<platform::Directory> opened = m_platform.openDirectory(path);
    if (!opened)
        return opened.failure();
    const platform::Directory& dir = *opened;

    m_path = dir.path;
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain from the root down to the open directory, each one step further in.
    const QString clean = QDir::fromNativeSeparators(dir.path);
    QStringList chain;
    QString at = clean;
    while (true) {
        chain.prepend(at);
        const QString parent = QDir::cleanPath(at + QStringLiteral("/.."));
        if (parent == at || at.isEmpty() || QDir(at).isRoot())
            break;
        at = parent;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name =
            depth == 0 ? QDir::toNativeSeparators(folder) : folder.section(QLatin1Char('/'), -1);
        auto* item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, QDir::toNativeSeparators(folder));
        item->setToolTip(QDir::toNativeSeparators(folder));
        if (folder == clean) {
            QFont bold = font();
            bold.setBold(true);
            item->setFont(bold);
        }
        ++depth;
    }
    const QString base = clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
    for (const QString& sub : dir.subfolders) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + sub, this);
        item->setData(PathRole, QDir::toNativeSeparators(base + sub));
    }
    setCurrentRow(static_cast<int>(chain.size()) - 1);
    return {};
}

void DirListBox::openItem(QListWidgetItem* item) {
    if (item)
        (void)setPath(item->data(PathRole).toString()); // a folder that cannot be opened stays shut
    Q_EMIT pathMaybeChanged();
}

void DirListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    Q_EMIT mouseButton();
}

void DirListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    Q_EMIT pathMaybeChanged();
}

void DirListBox::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        openItem(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
    Q_EMIT pathMaybeChanged();
}

void DirListBox::keyboardSearch(const QString& search) {
    if (search.isEmpty() || count() == 0)
        return;
    if (!m_typing.isValid() || m_typing.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_typing.restart();
    m_typed += search;
    // A new first letter looks on from the next entry; more letters refine the one in hand.
    const int from = std::max(0, currentRow()) + (m_typed.size() == 1 ? 1 : 0);
    for (int k = 0; k < count(); ++k) {
        const int row = (from + k) % count();
        if (item(row)->text().trimmed().startsWith(m_typed, Qt::CaseInsensitive)) {
            setCurrentRow(row);
            return;
        }
    }
}

} // namespace picker
