// The library against the fake HID source on the simulated desktop: open
// results, presses and releases, the ring, unplugging, and stopping in bounded
// time whatever the reader is doing; every handle and block accounted for.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_process.h"
#include "remdev/sim/sim_remote_library.h"
#include "shared/event_codes.h"

namespace remdev::sim {
namespace {

namespace psim = platform::sim;

// The caller's window: records the device messages it is sent.
class Receiver final : public platform::WindowProcedure {
 public:
  bool OnMessage(platform::WindowHandle, const platform::Message& m, std::int64_t&) override {
    if (m.msg == shared::DeviceButtonDownMessage || m.msg == shared::DeviceButtonUpMessage) {
      got += (got.empty() ? "" : " ") + std::string(m.msg == shared::DeviceButtonDownMessage ? "down " : "up ") +
             std::to_string(m.wParam);
      times.push_back(m.lParam);
      if (onMessage) onMessage();
    }
    return true;
  }
  std::string got;
  std::vector<std::int64_t> times;
  std::function<void()> onMessage;
};

class RemdevTest : public ::testing::Test {
 protected:
  RemdevTest()
      : desktop_(psim::DesktopOptions{}),
        process_(desktop_.CreateProcess("Velmora.exe", {})),
        bind_(process_),
        remote_(std::make_unique<SimRemoteLibrary>(desktop_)) {
    platform::WindowSpec spec;
    spec.className = "TMainForm";
    window_ = process_.windows().Create(spec, &receiver_).value;
  }
  ~RemdevTest() override { remote_.reset(); }

  SimRemoteLibrary& remote() { return *remote_; }
  int Open() { return remote().OpenDevice(window_, shared::DeviceButtonDownMessage, false); }
  void Report(std::vector<std::uint8_t> codes, int device = 0) {
    std::vector<std::uint8_t> bytes(remote().interfaceAt(device).caps.inputReportLength, 0);
    for (std::size_t i = 0; i < codes.size() && i + 1 < bytes.size(); ++i) bytes[i + 1] = codes[i];
    remote().DeviceReport(device, bytes);
  }
  void Wait(std::uint64_t ms) { desktop_.AdvanceBy(ms); }
  // Everything but the mutex (kept for the library's life) is given back.
  void ExpectNothingHeld() {
    EXPECT_EQ(remote().openLists(), 0);
    EXPECT_EQ(remote().openDevices(), 0);
    EXPECT_EQ(remote().openThreadHandles(), 0);
    EXPECT_EQ(remote().preparsedBlocks(), 0);
    EXPECT_EQ(remote().allocations(), 0);
    EXPECT_EQ(remote().misuses(), 0);
  }

  psim::SimDesktop desktop_;
  psim::SimProcess& process_;
  platform::ScopedPlatform bind_;
  Receiver receiver_;
  std::uint64_t window_ = 0;
  std::unique_ptr<SimRemoteLibrary> remote_;
};

FakeInterface OtherDevice() {
  FakeInterface d = StandardRemote();
  d.path = "\\\\?\\hid#vid_046d&pid_c52b#keyboard";
  d.vendor = 0x046D;
  d.product = 0xC52B;
  return d;
}

TEST_F(RemdevTest, OpenAnswersEachResultCodeAndLeavesNothingOpenBehindAFailure) {
  struct Case {
    const char* what;
    std::function<void(SimRemoteLibrary&)> arrange;
    int result;
    int devicesLeft = 0, listsLeft = 0;
  } cases[] = {
      {"no device present", [](SimRemoteLibrary& r) { r.AddInterface(OtherDevice()); }, NoDevice},
      {"nothing at all", [](SimRemoteLibrary&) {}, NoDevice},
      {"the remote", [](SimRemoteLibrary& r) { r.AddInterface(StandardRemote()); }, Opened, 1},
      {"the second vendor's remote",
       [](SimRemoteLibrary& r) {
         FakeInterface d = StandardRemote();
         d.vendor = SecondVendorId;
         d.product = SecondProductId;
         r.AddInterface(d);
       },
       Opened, 1},
      {"another device first",
       [](SimRemoteLibrary& r) {
         r.AddInterface(OtherDevice());
         r.AddInterface(StandardRemote());
       },
       Opened, 1},
      {"the first cannot be opened",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.AddInterface(StandardRemote());
         r.Fail(Step::OpenDevice);
       },
       Opened, 1},
      {"the remote's vendor on another usage page",
       [](SimRemoteLibrary& r) {
         FakeInterface d = StandardRemote();
         d.caps.usagePage = 0x0001;
         r.AddInterface(d);
       },
       NoDevice},
      {"a report of the id alone",
       [](SimRemoteLibrary& r) {
         FakeInterface d = StandardRemote();
         d.caps.inputReportLength = 1;
         r.AddInterface(d);
       },
       NoDevice},
      {"a report longer than the buffers",
       [](SimRemoteLibrary& r) {
         FakeInterface d = StandardRemote();
         d.caps.inputReportLength = 101;
         r.AddInterface(d);
       },
       NoDevice},
      {"the longest report",
       [](SimRemoteLibrary& r) {
         FakeInterface d = StandardRemote();
         d.caps.inputReportLength = 100;
         r.AddInterface(d);
       },
       Opened, 1},
      {"no interface list",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::InterfaceList);
       },
       NoInterfaceList},
      {"no memory for the detail",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::DetailMemory);
       },
       NoDetailMemory},
      {"the detail's size unknown",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::DetailSize);
       },
       NoDetail},
      {"the detail unreadable",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::Detail);
       },
       NoDetail},
      {"no preparsed data",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::PreparsedData);
       },
       NoPreparsedData},
      {"no caps",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::Caps);
       },
       NoCaps},
      {"no value caps",
       [](SimRemoteLibrary& r) {
         FakeInterface d = StandardRemote();
         d.caps.inputValueCaps = 2;
         r.AddInterface(d);
         r.Fail(Step::ValueCaps);
       },
       NoValueCaps},
      {"no button caps",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::ButtonCaps);
       },
       NoButtonCaps},
      // A handle whose CloseHandle failed stays open: that is the system's.
      {"another device that will not close",
       [](SimRemoteLibrary& r) {
         r.AddInterface(OtherDevice());
         r.AddInterface(StandardRemote());
         r.Fail(Step::CloseDevice);
       },
       CloseFailed, 1},
      {"the list not destroyed",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::CloseList);
       },
       ListNotDestroyed, 0, 1},
      {"no thread",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::StartReader);
       },
       NoThread},
      {"no mutex: the device is read all the same",
       [](SimRemoteLibrary& r) {
         r.AddInterface(StandardRemote());
         r.Fail(Step::CreateMutex);
       },
       Opened, 1},
  };
  for (const Case& c : cases) {
    remote_ = std::make_unique<SimRemoteLibrary>(desktop_);
    c.arrange(remote());
    EXPECT_EQ(Open(), c.result) << c.what;
    EXPECT_EQ(remote().openDevices(), c.devicesLeft) << c.what;
    EXPECT_EQ(remote().openLists(), c.listsLeft) << c.what;
    EXPECT_EQ(remote().preparsedBlocks(), 0) << c.what;
    EXPECT_EQ(remote().allocations(), 0) << c.what;
    EXPECT_EQ(remote().openThreadHandles(), c.result == Opened ? 1 : 0) << c.what;
    EXPECT_EQ(remote().misuses(), 0) << c.what;
    EXPECT_EQ(remote().readerAlive(), c.result == Opened) << c.what;
    if (c.result == Opened) EXPECT_EQ(remote().CloseDevice(), 1) << c.what;
  }
  auto boxes = desktop_.trace().Of("remdev");
  EXPECT_NE(std::find(boxes.begin(), boxes.end(), "message box \"CreateThread failed.\" \"Debug\""), boxes.end());
  EXPECT_NE(std::find(boxes.begin(), boxes.end(), "message box \"Unable to create the mutex.\" \"Unexpected error\""),
            boxes.end());
}

TEST_F(RemdevTest, OpenWhileOpenAnswers11AndChangesNothing) {
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(Open(), Opened);
  EXPECT_EQ(remote().OpenDevice(window_ + 1, 0x500, false), AlreadyOpen);
  EXPECT_EQ(remote().OpenDevice(window_ + 1, 0x500, true), AlreadyOpen);
  Report({104});
  EXPECT_EQ(receiver_.got, "down 104");
  EXPECT_EQ(remote().openDevices(), 1);
  EXPECT_EQ(remote().openThreadHandles(), 1);
}

TEST_F(RemdevTest, ChangesReachTheWindowAsTheyHappen) {
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(remote().InitRemote(window_), 1);
  Wait(200);
  Report({104, 106});
  std::int64_t pressedAt = desktop_.TickCount();
  Wait(300);
  Report({106});
  Report({106});  // the same again: nothing
  Wait(100);
  Report({});
  EXPECT_EQ(receiver_.got, "down 104 down 106 up 104 up 106");
  ASSERT_EQ(receiver_.times.size(), 4u);
  EXPECT_EQ(receiver_.times[0], pressedAt);
  EXPECT_EQ(receiver_.times[1], pressedAt);
  EXPECT_EQ(receiver_.times[2], pressedAt + 300);
  EXPECT_EQ(remote().TerminateRemote(), 1);
  ExpectNothingHeld();
}

TEST_F(RemdevTest, ReportsWhileNoReadIsPendingWaitForTheNextRead) {
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(Open(), Opened);
  // The completion's own send is in progress when the next reports come.
  bool once = true;
  receiver_.onMessage = [&] {
    if (!std::exchange(once, false)) return;
    Report({5, 6});
    Report({6});
  };
  Report({5});
  EXPECT_EQ(receiver_.got, "down 5 down 6 up 5");
}

TEST_F(RemdevTest, OddReportsAreHandledWithoutHarm) {
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(Open(), Opened);
  remote().DeviceReport(0, {0, 104});  // a short packet: ignored
  remote().DeviceReport(0, std::vector<std::uint8_t>(200, 0x41));  // longer than asked: read to the length
  remote().DeviceReport(0, {0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(receiver_.got, "down 65 up 65");
  EXPECT_EQ(remote().misuses(), 0);
}

TEST_F(RemdevTest, WithoutAWindowTheRingCarriesLittleEndianRecords) {
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(remote().OpenDevice(0, 0x464, false), Opened);
  Report({104, 0x80});
  Report({0x80});
  std::uint8_t out[24] = {};
  ASSERT_EQ(remote().ReadData(out, 24), 1);
  const std::uint8_t expected[24] = {0x64, 4, 0, 0, 104, 0, 0, 0, 0x64, 4, 0, 0, 0x80, 0, 0, 0,
                                     0x65, 4, 0, 0, 104, 0, 0, 0};
  for (int i = 0; i < 24; ++i) EXPECT_EQ(out[i], expected[i]) << i;
  EXPECT_EQ(remote().ReadData(out, 8), 0);  // drained
  EXPECT_EQ(receiver_.got, "");
}

TEST_F(RemdevTest, ReadDataRejectsBadArgumentsAndTimedOutWaits) {
  std::uint8_t out[8];
  EXPECT_EQ(remote().ReadData(out, 8), 0);  // never opened: no ring yet
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(remote().OpenDevice(0, 0x464, false), Opened);
  Report({9});
  for (int length : {0, -1, 4097, -2147483647 - 1}) EXPECT_EQ(remote().ReadData(out, length), 0) << length;
  EXPECT_EQ(remote().ReadData(nullptr, 8), 0);
  remote().Fail(Step::WaitMutex);
  EXPECT_EQ(remote().ReadData(out, 8), 0);  // timed out: the record stays
  ASSERT_EQ(remote().ReadData(out, 8), 1);
  EXPECT_EQ(out[4], 9);
  // A timed-out append drops its record rather than touch the ring unguarded.
  remote().Fail(Step::WaitMutex);
  Report({});
  EXPECT_EQ(remote().ReadData(out, 8), 0);
}

TEST_F(RemdevTest, UnpluggingReleasesWhatWasHeldAndTheDeviceComesBack) {
  // Either way the system reports the loss: a failed completion, or the next
  // read refused as not connected.
  for (std::uint32_t unplugError : {0xC000009Du, ErrorDeviceNotConnected}) {
    remote_ = std::make_unique<SimRemoteLibrary>(desktop_);
    receiver_.got.clear();
    FakeInterface d = StandardRemote();
    d.unplugError = unplugError;
    remote().AddInterface(d);
    ASSERT_EQ(Open(), Opened);
    Report({104});
    remote().Unplug(0);
    Wait(60);
    EXPECT_EQ(receiver_.got, "down 104 up 104") << unplugError;
    EXPECT_EQ(remote().openDevices(), 0) << unplugError;
    Wait(1000);
    EXPECT_TRUE(remote().readerAlive());
    remote().Plug(0);
    Wait(120);
    EXPECT_EQ(remote().openDevices(), 1) << unplugError;
    Report({104});
    EXPECT_EQ(receiver_.got, "down 104 up 104 down 104") << unplugError;
    EXPECT_EQ(remote().mutexesCreated(), 1) << unplugError;
    EXPECT_EQ(remote().preparsedBlocks(), 0) << unplugError;
    EXPECT_EQ(remote().allocations(), 0) << unplugError;
    EXPECT_EQ(remote().CloseDevice(), 1);
    ExpectNothingHeld();
  }
}

TEST_F(RemdevTest, TheRingKeepsTheReleasesOfAnUnpluggingAcrossTheReopen) {
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(remote().OpenDevice(0, 0x464, false), Opened);
  Report({3});
  remote().Unplug(0);
  Wait(100);
  remote().Plug(0);
  Wait(150);
  ASSERT_EQ(remote().openDevices(), 1);
  std::uint8_t out[16] = {};
  ASSERT_EQ(remote().ReadData(out, 16), 1);
  EXPECT_EQ(out[0], 0x64);
  EXPECT_EQ(out[8], 0x65);
  EXPECT_EQ(out[12], 3);
}

TEST_F(RemdevTest, CloseDuringTheReopenEndsTheReaderPromptly) {
  // Other HID devices stay present: each reopen attempt opens and examines
  // them, which takes a while. A stop may come at any point of an attempt.
  for (std::uint64_t phase = 0; phase < 200; phase += 10) {
    remote_ = std::make_unique<SimRemoteLibrary>(desktop_);
    FakeInterface other = OtherDevice();
    other.openTakesMs = 40;
    remote().AddInterface(other);
    remote().AddInterface(StandardRemote());
    ASSERT_EQ(Open(), Opened);
    remote().Unplug(1);
    Wait(300 + phase);
    ASSERT_TRUE(remote().readerAlive());
    platform::Tick before = desktop_.TickCount();
    EXPECT_EQ(remote().CloseDevice(), 1) << phase;
    EXPECT_LT(desktop_.TickCount() - before, 200u) << phase;
    EXPECT_FALSE(remote().readerAlive()) << phase;
    EXPECT_FALSE(remote().library().deviceOpen()) << phase;
    ExpectNothingHeld();
    // The device returns after the stop: it stays closed.
    remote().Plug(1);
    Wait(500);
    EXPECT_EQ(remote().openDevices(), 0) << phase;
  }
}

TEST_F(RemdevTest, CloseWhileTheReaderWaitsInItsSendFinishesAndReleases) {
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(Open(), Opened);
  remote().SetReceiverBusy(true);
  Report({104, 106});
  ASSERT_TRUE(remote().readerBlockedInSend());
  EXPECT_EQ(receiver_.got, "");
  platform::Tick before = desktop_.TickCount();
  EXPECT_EQ(remote().CloseDevice(), 1);
  EXPECT_LT(desktop_.TickCount() - before, 200u);
  // The send in flight is handled; the stopping reader sends no more; what
  // the window was told is down is released by the closer.
  EXPECT_EQ(receiver_.got, "down 104 up 104");
  EXPECT_FALSE(remote().readerAlive());
  ExpectNothingHeld();
}

TEST_F(RemdevTest, CloseFromTheHandlerOfThePressReturnsWithinItsBound) {
  // The reader waits for this very handler: it cannot end before it returns.
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(Open(), Opened);
  int closed = -1;
  platform::Tick took = 0;
  bool once = true;
  receiver_.onMessage = [&] {
    if (!std::exchange(once, false)) return;
    platform::Tick before = desktop_.TickCount();
    closed = remote().CloseDevice();
    took = desktop_.TickCount() - before;
  };
  Report({104});
  EXPECT_EQ(closed, 1);
  EXPECT_GE(took, CloseWaitMs);
  EXPECT_LT(took, CloseWaitMs + 100);
  Wait(100);
  EXPECT_FALSE(remote().readerAlive());
  EXPECT_EQ(remote().openDevices(), 0);
  EXPECT_EQ(Open(), Opened);  // and it opens again
}

TEST_F(RemdevTest, AFailedCancelStillClosesTheHandle) {
  remote().AddInterface(StandardRemote());
  ASSERT_EQ(Open(), Opened);
  remote().Fail(Step::CancelRead);
  EXPECT_EQ(remote().CloseDevice(), 1);
  EXPECT_FALSE(remote().readerAlive());
  ExpectNothingHeld();
}

TEST_F(RemdevTest, AStoppedLibraryOpensAgainWithOneMutex) {
  remote().AddInterface(StandardRemote());
  for (int round = 0; round < 3; ++round) {
    ASSERT_EQ(Open(), Opened) << round;
    Report({static_cast<std::uint8_t>(10 + round)});
    EXPECT_EQ(remote().CloseDevice(), 1) << round;
    EXPECT_EQ(remote().CloseDevice(), 0) << round;  // nothing open any more
  }
  EXPECT_EQ(receiver_.got, "down 10 up 10 down 11 up 11 down 12 up 12");
  EXPECT_EQ(remote().mutexesCreated(), 1);
  EXPECT_EQ(remote().openMutexes(), 1);
  ExpectNothingHeld();
}

TEST_F(RemdevTest, AReadFailureOtherThanUnpluggingIsRetried) {
  remote().AddInterface(StandardRemote());
  remote().Fail(Step::IssueRead, 3, 31);
  ASSERT_EQ(Open(), Opened);
  Wait(300);
  Report({7});
  EXPECT_EQ(receiver_.got, "down 7");
  const auto& lines = remote().debugLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "ReadFileEx failed. 31"), lines.end());
}

}  // namespace
}  // namespace remdev::sim
