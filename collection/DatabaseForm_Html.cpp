#include "DatabaseForm.h"

#include "HtmlPage.h"
#include "ListView.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Files.h"

namespace korv {

void DatabaseForm::ToolsConverteren_Click() {
    if (saving_) return;
    if (ListView1->count() >= 1) MaakHtmlPage();
}

void DatabaseForm::MaakHtmlPage() {
    const QString path = htmlPagePath(S.services.programFolder);
    QString error;
    S.FileNr = 1;
    if (!writeLines(path, htmlPageLines(ListView1->records()), &error)) {
        // Opening would show an older page, or none, as if this one were written.
        S.services.dialogs->msgBox("De HTML-pagina kon niet worden opgeslagen:\r\n" + path +
                                       "\r\n" + error,
                                   Mb::OkOnly | Mb::Critical, "Error");
        return;
    }
    ShellOpen(S, path);
}

} // namespace korv
