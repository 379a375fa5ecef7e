// The table of message texts: every message the user can see, translated once
// when the table is built.
#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace text {

// Entries in the order of the table.
enum class MessageId {
  // Dialog Messages
  BorderSizeClearColor,
  CannotConfigure,
  DeviceNotDetected,
  CannotDisplayImage,
  SetColorDepth,
  NotFound,
  FileNotFound,
  ProfileNotFound,
  CannotChangeToCurrentProfile,
  SaveChangesQuestion,
  ProtectedSaveElsewhere,
  ProtectedUseOtherName,
  FileAlreadyExists,
  TickerClockSameLocation,
  CannotCheckAllBoxes,
  DeviceUnavailable,
  VideoFreezeWarning,
  // Midi/Mixer Messages
  MixerUnspecifiedError,
  MixerBadDeviceId,
  MixerNotEnabled,
  MixerAllocated,
  MixerInvalidHandle,
  MixerNoDriver,
  MixerNoMemory,
  MixerNotSupported,
  MixerBadErrorNumber,
  MixerInvalidFlag,
  MixerInvalidParameter,
  MixerHandleBusy,
  MixerInvalidAlias,
  MixerBadDatabase,
  MixerKeyNotFound,
  MixerReadError,
  MixerWriteError,
  MixerDeleteError,
  MixerValueNotFound,
  MixerNoDriverCallback,
  MixerInvalidLine,
  MixerInvalidControl,
  MixerInvalidValue,
  MixerUnknownError,
  // Changeable Menu Messages
  NewTool,
  ReplaceTool,
  InsertTool,
  EditScheduledEvent,
  RightClickForMenu,
  DirectXUnavailable,
  SwipeButtonHint,
  Count
};

// The texts of this program's table, untranslated until it is built.
struct TMessageTable {
  TMessageTable();
  std::array<std::string, static_cast<std::size_t>(MessageId::Count)> texts;
};

// Builds the table through Translate, with its harvest sections.
void BuildMessageTable();
void FreeMessageTable();
// The translated text; before the table is built, the untranslated one.
const std::string& Message(MessageId id);

}  // namespace text
