#pragma once

#include "engine/RunSettings.h"
#include "engine/RunSink.h"
#include "wizard/Controls.h"

#include <QByteArray>
#include <QList>
#include <QPair>

#include <array>
#include <optional>

class QLabel;
class QListView;
class QPushButton;

namespace platform {
class Platform;
}

namespace wizard {

class PageListModel;
class PageMarks;

// Page 1: the pages of the folder listed, each with its tick and a mark for the
// code it carries, the selection commands and the count ticked. As a run's
// source of pages it gives the ticked entries in the list's order.
class PagesPage final : public WizardPage, public engine::TickedList {
    Q_OBJECT

public:
    PagesPage(platform::Platform& platform, QWidget* parent);
    ~PagesPage() override;

    QWidget* firstControl() override;

    // Lists the folder anew; fails, leaving the list empty and standing for no
    // folder, when it cannot be listed, so that no run can rewrite the files of
    // another one.
    engine::Result<void> list(const QString& folder, bool subfolders);
    // The folder of the last listing; empty when it could not be listed.
    const QString& listedPath() const { return m_path; }
    // The folder lines a run tells before its pages.
    int foldersTold() const { return int(m_unlisted.size() + m_skipped.size()); }
    // Stops working out the marks (a run is about to change the pages).
    void stopMarks();
    // The controls in the order they are read, for Tab; "Auto Select" comes
    // late, after page 2's controls.
    QList<QWidget*> tabOrder() const;
    QWidget* autoSelectButton() const { return m_selectButtons[2]; }
    // The protocol the ticked pages that carry one block carry it for, when they
    // all agree (as far as their marks are known); nothing otherwise.
    std::optional<engine::Protocol> tickedProtocol() const;

    // engine::PageSource, from the listing and the ticks.
    std::string folder() const override;
    engine::FolderId listedFolder() const override { return m_id; }
    std::vector<std::pair<std::string, std::string>> unlistedFolders() const override;
    std::vector<std::pair<std::string, std::string>> skippedFolders() const override;
    int entryCount() const override;
    std::string entryName(int index) const override;
    bool entrySelected(int index) const override;

private:
    void showMark(int round, int index, int blocks, const QString& website, const QString& protocol,
                  const QString& via);
    void showTickedCount();
    void tick(int command);

    platform::Platform& m_platform;
    QString m_path;
    QList<QByteArray> m_names; // as the file system holds them
    engine::FolderId m_id;
    QList<QPair<QByteArray, QString>> m_unlisted;
    QList<QPair<QByteArray, QString>> m_skipped;
    QList<std::optional<engine::Protocol>> m_carried; // by entry: the protocol of its one block

    QLabel* m_pagesPrompt;
    QListView* m_pageView;
    PageListModel* m_pageList;
    PageMarks* m_marks;
    std::array<QPushButton*, 3> m_selectButtons{}; // all, none, pages only
    QLabel* m_tickedCount;
    QLabel* m_pagesNextHint;
};

} // namespace wizard
