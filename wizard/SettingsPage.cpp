#include "wizard/SettingsPage.h"

#include "platform/Platform.h"
#include "platform/Twips.h"
#include "wizard/TextFit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace wizard {

using platform::twips;
using platform::twipsRect;

SettingsPage::SettingsPage(QWidget* parent)
    : WizardPage(parent) {
    m_websitePrompt = label(
        this, "Label6", tr("Please enter your website number that has been assigned to you by Trafalytic."),
        twipsRect(240, 240, 5175, 375), true);
    m_websiteLabel = label(this, "Label7", tr("Website Number"), twipsRect(1080, 735, 1695, 255));
    m_websiteNumber = placed(new QLineEdit(this), QStringLiteral("Text2"), twipsRect(2880, 720, 855, 285),
                             tr("Website Number"));
    m_websiteLabel->setBuddy(m_websiteNumber);
    m_protocolPrompt = label(
        this, "Label8", tr("Now enter the protocol you wish to use, if you are unsure, select 'Normal'."),
        twipsRect(240, 1200, 5175, 255), true);
    m_protocolLabel = label(this, "Label9", tr("Web Protocol"), twipsRect(1080, 1590, 1455, 255));
    m_protocol = placed(new QComboBox(this), QStringLiteral("Combo1"), twipsRect(2880, 1560, 1695, 315),
                        tr("Web Protocol"));
    m_protocolLabel->setBuddy(m_protocol);
    // A choice made here, by the user or a program driving the page, stays.
    connect(m_protocol, &QComboBox::currentIndexChanged, this, [this] { m_protocolChosen = !m_placing; });
    // In the narrow room between the list and the next prompt, in a small size.
    m_carriedNote = label(this, "Label19", QString(), twipsRect(2880, 1890, 2535, 150));
    QFont small = m_carriedNote->font();
    small.setPointSizeF(6.75);
    m_carriedNote->setFont(small);
    m_modePrompt = label(this, "Label10", tr("Are you inserting or removing the Trafalytic code ?"),
                         twipsRect(240, 2040, 5175, 255));
    m_insertOption =
        placed(new QRadioButton(tr("I am inserting the Trafalytic code."), this), QStringLiteral("Option1"),
               twipsRect(1320, 2400, 2775, 255), tr("I am inserting the Trafalytic code."));
    m_insertOption->setChecked(true);
    m_removeOption =
        placed(new QRadioButton(tr("I am removing the Trafalytic code."), this), QStringLiteral("Option2"),
               twipsRect(1320, 2760, 2775, 255), tr("I am removing the Trafalytic code."));
    // Narrowed beside "Preview...": the captions may take a smaller size.
    fitCaption(m_insertOption, twips(360), 5.5);
    fitCaption(m_removeOption, twips(360), 5.5);
    // Both in one size, the smaller.
    if (m_insertOption->font().pointSizeF() < m_removeOption->font().pointSizeF())
        m_removeOption->setFont(m_insertOption->font());
    else
        m_insertOption->setFont(m_removeOption->font());
    m_previewButton =
        button(this, QStringLiteral("Command5"), tr("Pre&view..."), twipsRect(4215, 2730, 1200, 315));
    connect(m_previewButton, &QPushButton::clicked, this, &SettingsPage::previewRequested);
    fitCaption(m_previewButton);
    for (QLabel* l : {m_websitePrompt, m_websiteLabel, m_protocolPrompt, m_protocolLabel, m_modePrompt})
        fitText(l);
    // The page keeps its layout in a larger window, mirrored in a right-to-left language.
    m_anchors.addRest(this);
}

void SettingsPage::start() {
    m_placing = true;
    m_protocol->clear();
    m_protocol->addItem(tr("Normal (http://...)"), QVariant::fromValue(int(engine::Protocol::Normal)));
    m_protocol->addItem(tr("Secure (https://...)"), QVariant::fromValue(int(engine::Protocol::Secure)));
    // Widened where a language needs it, into the free room to its right.
    fitItems(m_protocol, twips(5415 - 2880));
    placeProtocol(engine::Protocol::Normal);
}

void SettingsPage::restore(platform::Platform& platform) {
    m_websiteNumber->setText(platform.kept(QStringLiteral("website")).toString());
    const std::optional<engine::Protocol> protocol =
        engine::protocolNamed(platform.kept(QStringLiteral("protocol")).toString().toStdString());
    m_keptProtocol = protocol.value_or(engine::Protocol::Normal);
    placeProtocol(m_keptProtocol);
}

// Sets the protocol list as the page's start, not as the user's choice.
void SettingsPage::placeProtocol(engine::Protocol protocol) {
    m_placing = true;
    m_protocol->setCurrentIndex(protocol == engine::Protocol::Secure ? 1 : 0);
    m_placing = false;
}

void SettingsPage::showCarried(std::optional<engine::Protocol> carried) {
    if (!m_protocolChosen)
        placeProtocol(carried.value_or(m_keptProtocol));
    m_carriedNote->setText(!carried                               ? QString()
                           : *carried == engine::Protocol::Secure ? tr("The ticked pages use https now.")
                                                                  : tr("The ticked pages use http now."));
    fitText(m_carriedNote);
}

void SettingsPage::keep(platform::Platform& platform) const {
    platform.keep(QStringLiteral("website"), m_websiteNumber->text());
    platform.keep(QStringLiteral("protocol"), QLatin1String(engine::protocolWord(runSettings().protocol)));
}

QString SettingsPage::check() {
    m_site = engine::Site::parse(m_websiteNumber->text().toStdString());
    return m_site.given() ? QString() : tr("Please Enter a Website Number");
}

QWidget* SettingsPage::firstControl() {
    return m_websiteNumber;
}

QList<QWidget*> SettingsPage::tabOrder() const {
    return {m_websiteNumber, m_protocol, m_insertOption, m_removeOption, m_previewButton};
}

engine::RunSettings SettingsPage::runSettings() const {
    engine::RunSettings settings;
    settings.mode = m_insertOption->isChecked() ? engine::Mode::Insert : engine::Mode::Remove;
    settings.site = m_site;
    settings.protocol = m_protocol->currentData().toInt() == int(engine::Protocol::Secure)
                            ? engine::Protocol::Secure
                            : engine::Protocol::Normal;
    return settings;
}

engine::RunSettings SettingsPage::currentSettings() const {
    engine::RunSettings settings = runSettings();
    settings.site = engine::Site::parse(m_websiteNumber->text().toStdString());
    return settings;
}

} // namespace wizard
