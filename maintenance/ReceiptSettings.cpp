#include "maintenance/ReceiptSettings.h"

#include "widgets/UserSettings.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace maintenance {

namespace {

constexpr int MaxTillName = 40;
constexpr int MaxShopName = 60;

// Stored words, never translated, so another language reads the same file.
QString destinationKey(ReceiptDestination d)
{
    switch (d) {
    case ReceiptDestination::Printer:
        return u"printer"_s;
    case ReceiptDestination::Folder:
        return u"folder"_s;
    case ReceiptDestination::Nowhere:
        break;
    }
    return u"none"_s;
}

} // namespace

ReceiptOptions loadReceiptOptions()
{
    widgets::UserSettings s(u"Receipts"_s);
    ReceiptOptions o;
    o.tillName = s.value(u"TillName"_s).toString().left(MaxTillName);
    o.shopName = s.value(u"ShopName"_s).toString();
    o.shopAddress = s.value(u"ShopAddress"_s).toString();
    const QString dest = s.value(u"Destination"_s).toString();
    if (dest == destinationKey(ReceiptDestination::Printer))
        o.destination = ReceiptDestination::Printer;
    else if (dest == destinationKey(ReceiptDestination::Folder))
        o.destination = ReceiptDestination::Folder;
    o.folder = s.value(u"Folder"_s).toString();
    o.layout = s.value(u"Layout"_s).toString() == u"A4"_s ? ReceiptLayout::A4 : ReceiptLayout::Roll80;
    return o;
}

bool saveReceiptOptions(const ReceiptOptions& o)
{
    widgets::UserSettings s(u"Receipts"_s);
    s.setValue(u"TillName"_s, o.tillName.left(MaxTillName));
    s.setValue(u"ShopName"_s, o.shopName);
    s.setValue(u"ShopAddress"_s, o.shopAddress);
    s.setValue(u"Destination"_s, destinationKey(o.destination));
    s.setValue(u"Folder"_s, o.folder);
    s.setValue(u"Layout"_s, o.layout == ReceiptLayout::A4 ? u"A4"_s : u"80mm"_s);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString effectiveTillName(const ReceiptOptions& options)
{
    const QString name = options.tillName.trimmed();
    return name.isEmpty() ? QSysInfo::machineHostName() : name;
}

ReceiptSettings::ReceiptSettings(QWidget* parent)
    : SettingsPage(parent)
{
    setObjectName(u"ReceiptSettings"_s);
    auto* form = new QFormLayout(this);
    txtTillName = new QLineEdit(this);
    txtTillName->setObjectName(u"txtTillName"_s);
    txtTillName->setMaxLength(MaxTillName);
    txtTillName->setPlaceholderText(QSysInfo::machineHostName());
    form->addRow(tr("Till name:"), txtTillName);
    txtShopName = new QLineEdit(this);
    txtShopName->setObjectName(u"txtShopName"_s);
    txtShopName->setMaxLength(MaxShopName);
    form->addRow(tr("Shop name:"), txtShopName);
    txtShopAddress = new QPlainTextEdit(this);
    txtShopAddress->setObjectName(u"txtShopAddress"_s);
    txtShopAddress->setTabChangesFocus(true);
    txtShopAddress->setFixedHeight(fontMetrics().lineSpacing() * 4 + 8);
    form->addRow(tr("Shop address:"), txtShopAddress);
    cboDestination = new QComboBox(this);
    cboDestination->setObjectName(u"cboDestination"_s);
    cboDestination->addItem(tr("Nowhere"), int(ReceiptDestination::Nowhere));
    cboDestination->addItem(tr("The printer"), int(ReceiptDestination::Printer));
    cboDestination->addItem(tr("A folder of PDF files"), int(ReceiptDestination::Folder));
    form->addRow(tr("Receipts go to:"), cboDestination);
    auto* folderRow = new QHBoxLayout;
    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName(u"txtReceiptFolder"_s);
    cmdFolder = new QPushButton(tr("Choose..."), this);
    folderRow->addWidget(txtFolder);
    folderRow->addWidget(cmdFolder);
    form->addRow(tr("Receipt folder:"), folderRow);
    cboLayout = new QComboBox(this);
    cboLayout->setObjectName(u"cboLayout"_s);
    cboLayout->addItem(tr("80 mm roll"), int(ReceiptLayout::Roll80));
    cboLayout->addItem(tr("A4"), int(ReceiptLayout::A4));
    form->addRow(tr("Receipt layout:"), cboLayout);
    connect(cmdFolder, &QPushButton::clicked, this, &ReceiptSettings::chooseFolder);
    connect(cboDestination, &QComboBox::currentIndexChanged, this, &ReceiptSettings::updateFolderBoxes);
}

void ReceiptSettings::load()
{
    const ReceiptOptions o = loadReceiptOptions();
    txtTillName->setText(o.tillName);
    txtShopName->setText(o.shopName);
    txtShopAddress->setPlainText(o.shopAddress);
    cboDestination->setCurrentIndex(cboDestination->findData(int(o.destination)));
    txtFolder->setText(o.folder);
    cboLayout->setCurrentIndex(cboLayout->findData(int(o.layout)));
    updateFolderBoxes();
}

bool ReceiptSettings::save(QString* why)
{
    ReceiptOptions o;
    o.tillName = txtTillName->text().trimmed();
    o.shopName = txtShopName->text().trimmed();
    o.shopAddress = txtShopAddress->toPlainText().trimmed();
    o.destination = ReceiptDestination(cboDestination->currentData().toInt());
    o.folder = txtFolder->text().trimmed();
    o.layout = ReceiptLayout(cboLayout->currentData().toInt());
    if (o.destination == ReceiptDestination::Folder && o.folder.isEmpty()) {
        *why = tr("Choose the folder where receipts are saved.");
        return false;
    }
    if (!saveReceiptOptions(o)) {
        *why = tr("The settings file could not be written.");
        return false;
    }
    return true;
}

void ReceiptSettings::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Receipt Folder"), txtFolder->text());
    if (!folder.isEmpty())
        txtFolder->setText(folder);
}

void ReceiptSettings::updateFolderBoxes()
{
    const bool folder = cboDestination->currentData().toInt() == int(ReceiptDestination::Folder);
    txtFolder->setEnabled(folder);
    cmdFolder->setEnabled(folder);
}

} // namespace maintenance
