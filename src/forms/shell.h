#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace forms {

class Form;

enum class ShowCommand { Hidden = 0, Normal = 1 };

// What a program asks of the desktop shell: "open" this file or web address.
struct ShellRequest {
    quintptr owner = 0; // the owner window's native handle
    QString operation;
    QString file;
    QString parameters; // null: none
    QString directory;  // null: none
    ShowCommand show = ShowCommand::Normal;
};

using ShellOpener = std::function<bool(const ShellRequest &)>;

// Hands the request to the desktop; true when something took it.
bool shellExecute(const Form &owner, const QString &operation, const QString &file,
                  const QString &parameters, const QString &directory, ShowCommand show);

// Replaces the desktop's opener (tests record the request; nothing is launched). An empty
// opener puts the desktop's own back.
void setShellOpener(ShellOpener opener);

} // namespace forms
