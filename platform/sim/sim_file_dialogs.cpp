// The common file dialogs on the simulated desktop. Each queued answer is one
// attempt to close the dialog: the dialog's own rules (file or path must exist,
// no read-only file) and the caller's close-time check may refuse it, and the
// dialog then stays open for the next answer, as a user would try again.
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/strings.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_forms.h"

namespace platform::sim {
namespace {

bool Absolute(std::string_view p) { return (p.size() >= 2 && p[1] == ':') || (!p.empty() && p[0] == '\\'); }

// What the dialog makes of a typed name: relative to its folder, with the
// default extension when the name has none.
std::string ResolveTyped(const FileDialogSpec& spec, std::string typed) {
  if (!Absolute(typed)) {
    std::string folder = spec.initialFolder;
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    typed = folder + typed;
  }
  std::size_t slash = typed.find_last_of('\\');
  std::string name = slash == std::string::npos ? typed : typed.substr(slash + 1);
  if (name.find('.') == std::string::npos && !spec.defaultExt.empty()) typed += "." + spec.defaultExt;
  return typed;
}

}  // namespace

std::optional<std::string> SimForms::ChooseFile(const FileDialogSpec& spec, const FileDialogCheck& check) {
  auto& d = desktop_;
  auto note = [&](const std::string& what) { d.trace().Add("dialog", spec.name + " " + what); };
  note("\"" + spec.title + "\" opened in " + spec.initialFolder);
  namespace fs = std::filesystem;
  for (;;) {
    auto answer = d.TakeAnswer({spec.name, spec.title});
    if (!answer) {
      note("closed as cancelled: no answer queued");
      return std::nullopt;
    }
    if (ModalResultNamed(answer->action) == modal::Cancel) {
      note("cancelled");
      return std::nullopt;
    }
    if (ModalResultNamed(answer->action) != modal::Ok || answer->text.empty()) {
      note("answer " + answer->action + " needs ok FILE or cancel");
      continue;
    }
    std::string path = ResolveTyped(spec, answer->text);
    std::error_code ec;
    bool exists = fs::exists(d.HostPath(path), ec);
    std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    if (spec.pathMustExist && !fs::is_directory(d.HostPath(folder), ec)) {
      note("refused " + path + ": the folder does not exist");
      continue;
    }
    if (spec.fileMustExist && !exists) {
      note("refused " + path + ": the file does not exist");
      continue;
    }
    if (spec.noReadOnlyReturn && exists && d.readOnlyFiles().count(base::LowerCase(d.HostPath(path)))) {
      note("refused " + path + ": the file is read-only");
      continue;
    }
    // The replace question of the real dialog is taken as answered Yes.
    if (spec.overwritePrompt && exists) note("replace " + path + " confirmed");
    if (check && !check(path)) {
      note("stays open: " + path + " refused");
      continue;
    }
    note("chose " + path);
    return path;
  }
}

}  // namespace platform::sim
