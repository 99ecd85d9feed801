#pragma once

#include "engine/RunSettings.h"
#include "wizard/Controls.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace platform {
class Platform;
}

namespace wizard {

// Page 2: the website number, the protocol and whether the code is inserted or
// removed; "Preview..." shows what a run would do.
class SettingsPage final : public WizardPage {
    Q_OBJECT

public:
    explicit SettingsPage(QWidget* parent);

    // The protocols offered, normal first and chosen.
    void start();
    // Fills the page as the last run left it, and keeps it for the next start.
    void restore(platform::Platform& platform);
    void keep(platform::Platform& platform) const;
    // A website number must be typed; the number read here is the one the run goes by.
    QString check() override;
    QWidget* firstControl() override;

    // The settings of a run started from this page, as its Next read them
    // (the page-naming of the folder page aside).
    engine::RunSettings runSettings() const;
    // The settings as the controls stand now, for a preview.
    engine::RunSettings currentSettings() const;
    QList<QWidget*> tabOrder() const;
    // The protocol the ticked pages carry now, when they agree: page 2 starts at
    // it unless the user chose one here, and says it under the protocol list.
    void showCarried(std::optional<engine::Protocol> carried);

Q_SIGNALS:
    void previewRequested();

private:
    void placeProtocol(engine::Protocol protocol);

    QLabel* m_websitePrompt;
    QLabel* m_websiteLabel;
    QLineEdit* m_websiteNumber;
    QLabel* m_protocolPrompt;
    QLabel* m_protocolLabel;
    QComboBox* m_protocol;         // normal, secure
    QLabel* m_carriedNote;         // the protocol the ticked pages use now
    bool m_protocolChosen = false; // by the user, on this page
    bool m_placing = false;        // the page sets the list itself
    engine::Protocol m_keptProtocol = engine::Protocol::Normal;
    QLabel* m_modePrompt;
    QRadioButton* m_insertOption;
    QRadioButton* m_removeOption;
    QPushButton* m_previewButton;
    engine::Site m_site; // as Next read it
};

} // namespace wizard
