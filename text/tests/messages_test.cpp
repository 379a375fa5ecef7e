// The message table: translated when built, in its sections, in its order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/program_state.h"
#include "text/A_messages.h"
#include "text/A_translate.h"

namespace {

using text::Message;
using text::MessageId;

class MessagesTest : public ::testing::Test {
 protected:
  // The text room's state of a program of its own.
  base::ProgramState program_;
  base::ScopedProgram bind_{program_};
  void TearDown() override {
    text::FreeMessageTable();
    text::FreeTranslation();
    text::SetHarvestMode(false);
  }
};

TEST_F(MessagesTest, EntriesAreTranslatedWhenTheTableIsBuilt) {
  EXPECT_EQ(Message(MessageId::CannotCheckAllBoxes), "Cannot check all boxes");  // not built yet
  text::SetTranslationTable(text::ParseTranslation(
      "Cannot check all boxes=Impossible\n"
      "MidiMixer: Unknown error=Mixer inconnu\n"
      "swipe as soon as the button is pressed.=balayez.\n"));
  text::BuildMessageTable();
  EXPECT_EQ(Message(MessageId::CannotCheckAllBoxes), "Impossible");
  EXPECT_EQ(Message(MessageId::MixerUnknownError), "Mixer inconnu");
  EXPECT_EQ(Message(MessageId::FileNotFound), "File not found!");
  EXPECT_EQ(Message(MessageId::NewTool), "New Too&l");
  // The hint is its five pieces, each translated on its own, joined.
  const std::string& hint = Message(MessageId::SwipeButtonHint);
  EXPECT_EQ(hint.rfind("You have just pressed the Swipe button. To activate this tool, press and hold", 0), 0u);
  EXPECT_TRUE(hint.ends_with("you can initiate the balayez."));
  text::FreeMessageTable();
  EXPECT_EQ(Message(MessageId::CannotCheckAllBoxes), "Cannot check all boxes");
}

TEST_F(MessagesTest, HarvestListsTheTableInSectionsAndOrder) {
  text::SetHarvestMode(true);
  text::BuildMessageTable();
  const auto& h = text::HarvestList();
  auto at = [&](const std::string& text) { return std::find(h.begin(), h.end(), text) - h.begin(); };
  std::string bar(84, '/');
  EXPECT_EQ(at(bar + " Dialog Messages"), 0);
  EXPECT_EQ(at("Border size cannot be 0 if the color is clear."), 1);
  EXPECT_EQ(at("On some systems, this tool may display a snapshot of the video, while the tool is active."), 17);
  EXPECT_EQ(at(bar + " Midi/Mixer Messages"), 18);
  EXPECT_EQ(at("MidiMixer: Unspecified error"), 19);
  EXPECT_EQ(at("MidiMixer: Unknown error"), 42);
  EXPECT_EQ(at(bar + " Changeable Menu Messages"), 43);
  EXPECT_EQ(at("New Too&l"), 44);
  EXPECT_EQ(at("DirectX is either unavailable or not installed."), 49);
  EXPECT_EQ(at("You have just pressed the Swipe button. To activate this tool, "), 50);
  EXPECT_EQ(at("swipe as soon as the button is pressed."), 54);
  EXPECT_EQ(h.size(), 55u);
}

}  // namespace
