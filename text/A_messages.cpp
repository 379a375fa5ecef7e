#include "text/A_messages.h"

#include <array>
#include <string_view>

#include "text/A_translate.h"
#include "text/text_state.h"

namespace text {
namespace {

constexpr std::size_t EntryCount = static_cast<std::size_t>(MessageId::Count);
static_assert(static_cast<std::size_t>(MessageId::SwipeButtonHint) == EntryCount - 1, "the joined hint comes last");

struct Section {
  const char* name;
  MessageId first;  // the section runs up to the next one's first entry
};

constexpr Section Sections[] = {
    {"Dialog Messages", MessageId::BorderSizeClearColor},
    {"Midi/Mixer Messages", MessageId::MixerUnspecifiedError},
    {"Changeable Menu Messages", MessageId::NewTool},
};

// The swipe-button hint is five texts, translated one by one and then joined,
// so that a translator meets it in sentence-sized pieces.
constexpr const char* SwipeHintPieces[] = {
    "You have just pressed the Swipe button. To activate this tool, ",
    "press and hold the button until the graphic is displayed and ",
    "then swipe in the direction of the tool you wish to activate. ",
    "Once you have become familiar with the operation, you can initiate the ",
    "swipe as soon as the button is pressed.",
};

constexpr std::array<const char*, EntryCount - 1> Texts = {
    "Border size cannot be 0 if the color is clear.",
    "This tool cannot be configured.",
    "Device not detected.",
    "Cannot display image.",
    "Please set your display driver to 16 or 24 bit color.",
    "not found.",
    "File not found!",
    "Profile not found!",
    "Cannot change to current profile",
    "Do you want to save the changes you made to",
    "This file is protected. Would you like to save the changes you made to another profile?",
    "This file is protected. Please use a different filename.",
    "This file already exists. Please type a new filename.",
    "Message and clock/timer cannot have the same location",
    "Cannot check all boxes",
    "Device is unavailable",
    "On some systems, this tool may display a snapshot of the video, while the tool is active.",
    "MidiMixer: Unspecified error",
    "MidiMixer: Device ID out of range",
    "MidiMixer: Driver failed enable",
    "MidiMixer: Device already allocated",
    "MidiMixer: Device handle is invalid",
    "MidiMixer: No device driver present",
    "MidiMixer: Memory allocation error",
    "MidiMixer: Function isn't supported",
    "MidiMixer: Error value out of range",
    "MidiMixer: Invalid flag passed",
    "MidiMixer: Invalid parameter passed",
    "MidiMixer: Handle being used simultaneously on another thread (eg callback)",
    "MidiMixer: Specified alias not found",
    "MidiMixer: Bad registry database",
    "MidiMixer: Registry key not found",
    "MidiMixer: Registry read error",
    "MidiMixer: Registry write error",
    "MidiMixer: Registry delete error",
    "MidiMixer: Registry value not found",
    "MidiMixer: Driver does not call DriverCallback",
    "MidiMixer: Invalid Mixer Line",
    "MidiMixer: Invalid Mixer Control",
    "MidiMixer: Invalid Mixer Value",
    "MidiMixer: Unknown error",
    "New Too&l",
    "Replace Too&l",
    "Insert Too&l",
    "Edit Scheduled Event",
    "Right click for menu options",
    "DirectX is either unavailable or not installed.",
};

std::string SwipeHint(bool translated) {
  std::string out;
  for (const char* piece : SwipeHintPieces) out += translated ? Translate(piece) : std::string(piece);
  return out;
}

std::array<std::string, EntryCount> Untranslated() {
  std::array<std::string, EntryCount> out;
  for (std::size_t i = 0; i < Texts.size(); ++i) out[i] = Texts[i];
  out.back() = SwipeHint(false);
  return out;
}

}  // namespace

TMessageTable::TMessageTable() : texts(Untranslated()) {}

void BuildMessageTable() {
  auto& table = State().messages.texts;
  std::size_t next = 0;
  for (std::size_t i = 0; i < Texts.size(); ++i) {
    if (next < std::size(Sections) && static_cast<std::size_t>(Sections[next].first) == i)
      TranslationSection(Sections[next++].name);
    table[i] = Translate(Texts[i]);
  }
  table.back() = SwipeHint(true);
}

void FreeMessageTable() { State().messages.texts = Untranslated(); }

const std::string& Message(MessageId id) {
  static const std::string none;
  const auto& table = State().messages.texts;
  auto i = static_cast<std::size_t>(id);
  return i < table.size() ? table[i] : none;
}

}  // namespace text
