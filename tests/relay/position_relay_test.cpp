// The relay's decisions, run against a substitute for the platform that
// records every operation and log line in order.
#include "relay/position_relay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "relay/map_api_protocol.h"
#include "relay/sentence.h"

namespace {

using Events = std::vector<std::string>;

std::string Narrow(const CString& text) {
  std::string result;
  for (int i = 0; i < text.GetLength(); ++i) {
    const wchar_t c = static_cast<const wchar_t*>(text)[i];
    result += c < 0x80 ? static_cast<char>(c) : '?';
  }
  return result;
}

HANDLE const kPort = reinterpret_cast<HANDLE>(0x88);
HWND const kMapWindow = reinterpret_cast<HWND>(0x77);

class FakePlatform : public CRelayPlatform {
 public:
  Events events;
  std::deque<std::optional<std::string>> reads;  // nullopt: the read fails; none left: empty read
  int failingOpens = 0;                          // the next opens that fail
  HWND mapWindow = nullptr;
  bool apiFileWritable = true;
  std::string apiFile;

  HANDLE OpenPort() override {
    if (failingOpens > 0) {
      --failingOpens;
      events.push_back("open port: fails");
      return INVALID_HANDLE_VALUE;
    }
    events.push_back("open port");
    return kPort;
  }
  BOOL ReadPort(HANDLE port, char* buffer, DWORD size) override {
    // Every read gets 1024 bytes of a buffer that is zero, terminator included.
    EXPECT_EQ(size, static_cast<DWORD>(kReadSize));
    EXPECT_TRUE(std::all_of(buffer, buffer + size + 1, [](char c) { return c == 0; }));
    if (port != kPort) return FALSE;
    std::optional<std::string> next;
    if (!reads.empty()) {
      next = reads.front();
      reads.pop_front();
    } else {
      next = "";
    }
    if (!next) return FALSE;
    for (size_t i = 0; i < next->size() && i < size; ++i) buffer[i] = (*next)[i];
    return TRUE;
  }
  void ClosePort(HANDLE) override { events.push_back("close port"); }
  void Pause(DWORD ms) override { events.push_back("pause " + std::to_string(ms)); }
  void StartRelayTimer() override { events.push_back("start timer"); }
  void PostCloseToMainWindow() override { events.push_back("post WM_CLOSE"); }
  HWND FindMapWindow() override { return mapWindow; }
  BOOL RewriteApiFile(const char* sentence) override {
    if (!apiFileWritable) {
      events.push_back("write file: fails");
      return FALSE;
    }
    apiFile = sentence;
    events.push_back("write file");
    return TRUE;
  }
  void SendMapRequest(HWND window, LPARAM code) override {
    EXPECT_EQ(window, kMapWindow);
    // What the map finds in the file when the request arrives.
    events.push_back("send " + std::to_string(code) + " with file " + apiFile);
  }
};

class TestRelay : public CPositionRelay {
 public:
  explicit TestRelay(FakePlatform& platform) : CPositionRelay(&platform), m_platform(platform) {}
  void AppendLog(CString message) override {
    lines.push_back(message);
    m_platform.events.push_back("log " + Narrow(message));
  }
  std::vector<CString> lines;

 private:
  FakePlatform& m_platform;
};

class RelayTest : public testing::Test {
 protected:
  FakePlatform platform;
  TestRelay relay{platform};

  // The state a window creation leaves: port open, timer running.
  void Open() {
    relay.m_bGpsModeStarted = FALSE;
    relay.noSignalCounter = 0;
    relay.OpenComPort();
    platform.events.clear();
  }
  Events Tick(std::optional<std::string> received) {
    platform.reads.push_back(std::move(received));
    platform.events.clear();
    relay.RunRelayTick();
    return platform.events;
  }
};

const std::string kRmc = "$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E*62";
const std::string kRead = "$GPGGA,081836,3751.65,S*00\r\n" + kRmc + "\r\n$GPGSV,1*00\r\n";

TEST_F(RelayTest, OpeningThePortStartsTheTimer) {
  relay.OpenComPort();
  EXPECT_EQ(platform.events, (Events{"open port", "log open com port: success", "start timer"}));
  EXPECT_EQ(relay.m_hComPort, kPort);
}

TEST_F(RelayTest, APortThatCannotBeOpenedLeavesTheRelayIdle) {
  platform.failingOpens = 1;
  relay.OpenComPort();
  EXPECT_EQ(platform.events, (Events{"open port: fails", "log open com port: failed"}));
  EXPECT_EQ(relay.m_hComPort, INVALID_HANDLE_VALUE);
}

// The outcome of one tick by the three facts that decide it.
struct TickCase {
  const char* name;
  bool mapWindow;
  bool gpsModeStarted;
  bool sentence;
  Events expected;
  bool gpsModeAfter;
};

class TickOutcomeTest : public RelayTest, public testing::WithParamInterface<TickCase> {};

TEST_P(TickOutcomeTest, DoesWhatTheFactsDecide) {
  const TickCase& c = GetParam();
  Open();
  platform.mapWindow = c.mapWindow ? kMapWindow : nullptr;
  relay.m_bGpsModeStarted = c.gpsModeStarted;
  EXPECT_EQ(Tick(c.sentence ? kRead : "$GPGGA,1*00\r\n"), c.expected);
  EXPECT_EQ(relay.m_bGpsModeStarted, c.gpsModeAfter ? TRUE : FALSE);
  EXPECT_EQ(relay.noSignalCounter, c.sentence ? 0 : 1);
}

const std::string kSend133 = "send 133 with file " + kRmc;

INSTANTIATE_TEST_SUITE_P(
    Outcomes, TickOutcomeTest,
    testing::Values(TickCase{"NoMapNotStartedSentence", false, false, true, {"write file", "log " + kRmc}, false},
                    TickCase{"NoMapNotStartedSilent", false, false, false, {"log noSignalCounter = 1"}, false},
                    TickCase{"NoMapStartedSentence",
                             false,
                             true,
                             true,
                             {"log PostMessage(WM_CLOSE)", "post WM_CLOSE", "write file", "log " + kRmc},
                             true},
                    TickCase{"NoMapStartedSilent",
                             false,
                             true,
                             false,
                             {"log PostMessage(WM_CLOSE)", "post WM_CLOSE", "log noSignalCounter = 1"},
                             true},
                    TickCase{"MapNotStartedSentence",
                             true,
                             false,
                             true,
                             {"write file", "log Starting Navoro GPS mode ", "send 131 with file " + kRmc, kSend133,
                              "log " + kRmc},
                             true},
                    TickCase{"MapNotStartedSilent", true, false, false, {"log noSignalCounter = 1"}, false},
                    TickCase{"MapStartedSentence", true, true, true, {"write file", kSend133, "log " + kRmc}, true},
                    TickCase{"MapStartedSilent", true, true, false, {"log noSignalCounter = 1"}, true}),
    [](const testing::TestParamInfo<TickCase>& info) { return std::string(info.param.name); });

TEST_F(RelayTest, GpsModeIsStartedOnceThenOnlyDataReadyFollows) {
  Open();
  platform.mapWindow = kMapWindow;
  Tick(kRead);
  const Events second = Tick("$GPRMC,2*00\r\n");
  EXPECT_EQ(second, (Events{"write file", "send 133 with file $GPRMC,2*00", "log $GPRMC,2*00"}));
}

TEST_F(RelayTest, AMapWindowThatGoesAwayAfterGpsModeClosesTheLauncher) {
  Open();
  platform.mapWindow = kMapWindow;
  Tick(kRead);
  platform.mapWindow = nullptr;
  EXPECT_EQ(Tick(std::nullopt), (Events{"log PostMessage(WM_CLOSE)", "post WM_CLOSE", "log noSignalCounter = 1"}));
  // A further tick before the window has closed posts again.
  EXPECT_EQ(Tick(kRead), (Events{"log PostMessage(WM_CLOSE)", "post WM_CLOSE", "write file", "log " + kRmc}));
}

TEST_F(RelayTest, FourSilentTicksResetThePortAlsoWithSentencesBetween) {
  Open();
  Tick(std::nullopt);          // a failed read counts like silence
  Tick("$GPGSV,1*00\r\n");     // other tags only
  Tick(kRead);                 // a sentence does not clear the count
  Tick("$GPRMC,no line end");  // incomplete
  EXPECT_EQ(relay.noSignalCounter, 3);
  EXPECT_EQ(Tick(""), (Events{"log noSignalCounter = 4", "log resetting Com", "close port", "open port"}));
  EXPECT_EQ(relay.noSignalCounter, 0);
  EXPECT_EQ(relay.m_hComPort, kPort);
  EXPECT_EQ(Tick(""), (Events{"log noSignalCounter = 1"}));
}

TEST_F(RelayTest, AReceiverThatStaysAwayCostsABoundedResetAndAnotherFourTicksLater) {
  Open();
  for (int i = 0; i < 3; ++i) Tick("");
  platform.failingOpens = 1000;
  const Events reset = Tick("");
  EXPECT_EQ(reset, (Events{"log noSignalCounter = 4", "log resetting Com", "close port", "open port: fails", "pause 50",
                           "open port: fails", "pause 50", "open port: fails", "pause 50", "open port: fails",
                           "pause 50", "open port: fails"}));
  EXPECT_EQ(relay.m_hComPort, INVALID_HANDLE_VALUE);

  // Reads of the invalid port fail and count; the receiver is back by the next reset.
  platform.failingOpens = 2;
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(Tick(kRead), (Events{"log noSignalCounter = " + std::to_string(i)}));
  EXPECT_EQ(Tick(kRead), (Events{"log noSignalCounter = 4", "log resetting Com", "close port", "open port: fails",
                                 "pause 50", "open port: fails", "pause 50", "open port"}));
  EXPECT_EQ(relay.m_hComPort, kPort);
  EXPECT_EQ(Tick(kRead), (Events{"write file", "log " + kRmc}));
}

TEST_F(RelayTest, AnApiFileThatCannotBeWrittenIsLoggedAndTheTickGoesOn) {
  Open();
  platform.mapWindow = kMapWindow;
  platform.apiFileWritable = false;
  EXPECT_EQ(Tick(kRead), (Events{"write file: fails", "log write api file: failed", "log Starting Navoro GPS mode ",
                                 "send 131 with file ", "send 133 with file ", "log " + kRmc}));
  EXPECT_EQ(relay.noSignalCounter, 0);
}

TEST_F(RelayTest, TheSentenceIsLoggedWithEachByteAsItsOwnCharacter) {
  Open();
  Tick("$GPRMC,\xB0\r\n");
  ASSERT_FALSE(relay.lines.empty());
  EXPECT_EQ(relay.lines.back(), CString(L"$GPRMC,\u00B0"));
}

}  // namespace
