#include "shell/UserInterface.h"

#include "shell/ErrorTable.h"
#include "shell/SharedStrings.h"
#include "suite/SuiteServices.h"

namespace vxw {

int UserInterface::ShowMessage(const QString& prompt, int style, const QString& title) {
    return ShowMessageBox(prompt, style, title.isEmpty() ? ProductName() : title);
}

void UserInterface::ReportError(int code, const QString& detail) {
    ShowMessageBox(ReportErrorText(code, detail), MbExclamation | MbOk,
                   ErrorBoxTitle(ProductName(), AppTitle()));
}

QString AppTitle() {
    return Suite().GetMessageText(QStringLiteral("List Generator"), QStringLiteral("3125"));
}

QString ErrorBoxTitle(const QString& productName, const QString& appTitle) {
    return productName + QStringLiteral(" - ") + appTitle + QStringLiteral(" ()");
}

} // namespace vxw
