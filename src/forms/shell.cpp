#include "shell.h"

#include "form.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

namespace forms {

namespace {

bool openWithDesktop(const ShellRequest &request)
{
    if (request.operation != QLatin1String("open"))
        return false;
    return QDesktopServices::openUrl(QUrl(request.file));
}

ShellOpener &opener()
{
    static ShellOpener current = openWithDesktop;
    return current;
}

} // namespace

bool shellExecute(const Form &owner, const QString &operation, const QString &file,
                  const QString &parameters, const QString &directory, ShowCommand show)
{
    const ShellRequest request{static_cast<quintptr>(owner.window()->winId()),
                               operation,
                               file,
                               parameters,
                               directory,
                               show};
    return opener()(request);
}

void setShellOpener(ShellOpener replacement)
{
    opener() = replacement ? std::move(replacement) : ShellOpener(openWithDesktop);
}

} // namespace forms
