#include "forms/A_dialogs.h"

#include "base/strings.h"
#include "platform/platform.h"
#include "session/A_paths.h"
#include "text/A_translate.h"
#include "text/file_filters.h"

namespace forms {

std::optional<std::string> ChooseFile(const platform::FileDialogSpec& spec, const platform::FileDialogCheck& check) {
  return platform::os().forms().ChooseFile(spec, check);
}

namespace {

bool ChooseInto(std::string& path, platform::FileDialogSpec spec, const std::string& fallbackFolder) {
  spec.initialFolder = path.empty() ? fallbackFolder : base::FolderOf(path);
  spec.fileName = path.empty() ? std::string() : base::FileNameOf(path);
  spec.hideReadOnly = true;
  spec.pathMustExist = true;
  spec.fileMustExist = true;
  auto chosen = ChooseFile(spec);
  if (!chosen) return false;
  path = base::LowerCase(*chosen);
  return true;
}

}  // namespace

// The filters are built with the translation at start-up; a dialog opened
// before that (a test, say) builds them first.
const text::TFileFilters& Filters() {
  if (text::FileFilters().pictures.empty()) text::BuildFileFilters();
  return text::FileFilters();
}

std::string PictureFilter() { return Filters().pictures; }

std::string MediaFilter() { return Filters().media; }

// Pictures and textures share one dialog; only the folder it starts in differs.
static bool ChoosePictureFile(std::string& path, const std::string& fallbackFolder) {
  platform::FileDialogSpec s;
  s.name = "OpenPictureDialog";
  s.filter = PictureFilter();
  s.defaultExt = "bmp";
  return ChooseInto(path, s, fallbackFolder);
}

bool ChoosePicture(std::string& path) { return ChoosePictureFile(path, session::Folders().SlidesFolder); }

bool ChooseTexture(std::string& path) { return ChoosePictureFile(path, session::Folders().TexturesFolder); }

bool ChooseMedia(std::string& path) {
  platform::FileDialogSpec s;
  s.name = "MediaDialog";
  s.title = text::Translate("Open");
  s.filter = MediaFilter();
  s.defaultExt = "wmv";
  return ChooseInto(path, s, session::Folders().VideoFolder);
}

}  // namespace forms
