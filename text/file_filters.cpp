#include "text/file_filters.h"

#include "text/A_translate.h"
#include "text/text_state.h"

namespace text {

TFileFilters& FileFilters() { return State().fileFilters; }

namespace {

constexpr const char* SoundMasks = "*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3";

std::string Entry(const std::string& name, const char* label, const char* masks) {
  return name + label + "(" + masks + ")" + "|" + masks + "|";
}

}  // namespace

void BuildFileFilters() {
  TranslationSection("File Types");
  TFileFilters f;
  f.profiles = std::string("Orvanta Nimbra ") + Translate("Files") + " " + "(*." + "kvx" + ")" + "|*." + "kvx";
  f.pictures = Translate("Bitmaps") + " (*.bmp,*.jpg)" + "|*.bmp;*.jpg;*.jpeg";
  f.sounds = Entry(Translate("Windows audio file"), " (wav) ", SoundMasks);
  f.screenSavers = Entry(Translate("Screensavers"), " (scr) ", "*.scr");
  f.media = Translate("Media Files") + " " + "(all types)" + "|" + "*.*" + "|";
  f.media += Entry(Translate("MIDI file"), " (midi) ", "*.mid;*.rmi;*.midi");
  f.media += Entry(Translate("Movie file"), " (mpeg) ", "*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe");
  f.media += Entry(Translate("Windows audio file"), " (wav) ", SoundMasks);
  f.media += Entry(Translate("Windows Media file"), " (asf) ", "*.asf;*.wm;*.wma;*.wmv;*.wmd");
  f.media += Entry(Translate("Windows video file"), " (avi) ", "*.avi;*.wmv");
  f.media += Entry(Translate("QuickTime Movies"), " ", "*.qtw;*.mov;*.qt");
  f.media += Entry(Translate("All files"), " ", "*.*");
  FileFilters() = std::move(f);
}

}  // namespace text
