// The main window's saved settings: its title and settings controls, kept as string values
// named after the controls in the key Software\QZV\Carrowby of the current user.

#include "drill/frmMain.h"
#include "settings/StoredNumber.h"
#include "toolkit/NumberText.h"
#include "ui_frmMain.h"

namespace {

constexpr char InstalledValue[] = "Installed";
constexpr char TitleValue[] = "UserName";

std::string ValueName(const QWidget* control)
{
    return control->objectName().toStdString();
}

} // namespace

void frmMain::LoadSettings()
{
    Registry->Application("Carrowby");
    Registry->CompanyName("QZV");
    Registry->BaseKey(HKEY_CURRENT_USER_VALUE);
    Registry->UseApplication(True);
    Registry->UseAutoAppSubKeys(True);
    Registry->UseCompanyName(True);
    if (Registry->DoesKeyExist() == False)
        WriteDefaultSettings();

    std::string text;
    Registry->ReadValue(TitleValue, text);
    setWindowTitle(QString::fromStdString(text));

    // A stored number the control cannot take (a tick state other than 0 or 1, an index
    // outside the list) gives the control its first-run state instead.
    for (QCheckBox* box : SettingsCheckBoxes()) {
        Registry->ReadValue(ValueName(box), text);
        box->setChecked(settings::StoredNumber(text) == 1);
    }
    for (QComboBox* list : SettingsLists()) {
        Registry->ReadValue(ValueName(list), text);
        const int16_t index = settings::StoredNumber(text).value_or(0);
        list->setCurrentIndex(index >= -1 && index < list->count() ? index : 0);
    }
}

void frmMain::WriteDefaultSettings()
{
    Registry->CreateSubKey();
    Registry->WriteValue(InstalledValue, "True", REG_SZ);
    Registry->WriteValue(TitleValue, "Carrowby", REG_SZ);
    for (QCheckBox* box : SettingsCheckBoxes())
        Registry->WriteValue(ValueName(box), "0", REG_SZ);
    for (QComboBox* list : SettingsLists())
        Registry->WriteValue(ValueName(list), "0", REG_SZ);
}

void frmMain::SaveSettings()
{
    Registry->WriteValue(TitleValue, windowTitle().toStdString(), REG_SZ);
    for (QCheckBox* box : SettingsCheckBoxes())
        Registry->WriteValue(ValueName(box), toolkit::SignedBlankText(box->isChecked()), REG_SZ);
    for (QComboBox* list : SettingsLists())
        Registry->WriteValue(ValueName(list), toolkit::SignedBlankText(list->currentIndex()),
                             REG_SZ);
}
