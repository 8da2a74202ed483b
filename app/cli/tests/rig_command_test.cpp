// tallyhawk-cli rig and the radio's settings through set: Hamlib's dummy radio behind rigctld on a
// free local port (skipped when rigctld is not installed), and a port where nothing answers.
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/support/cli_fixture.h"

extern char** environ;

namespace tallyhawk {
namespace {

int FreeLocalPort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

class RigCommandTest : public testing::CliFixture {
protected:
    void TearDown() override {
        if (m_rigctld > 0) {
            ::kill(m_rigctld, SIGKILL);
            ::waitpid(m_rigctld, nullptr, 0);
        }
        CliFixture::TearDown();
    }

    void UsePort(int port) {
        ASSERT_EQ(Cli({"set", "RigModel=2", "RigPort=localhost:" + std::to_string(port)}).exitCode, 0);
    }

    // The dummy radio behind rigctld; false when rigctld is not installed.
    bool StartDummyRadio(int port) {
        const std::string program = "/usr/bin/rigctld";
        if (::access(program.c_str(), X_OK) != 0) return false;
        const std::string portText = std::to_string(port);
        const char* argv[] = {"rigctld", "-m", "1", "-T", "127.0.0.1", "-t", portText.c_str(), nullptr};
        if (::posix_spawn(&m_rigctld, program.c_str(), nullptr, nullptr, const_cast<char**>(argv), environ) !=
            0)
            return false;
        return true;
    }

    pid_t m_rigctld = 0;
};

TEST_F(RigCommandTest, PrintsTheDummyRadiosFrequencyAndModeOnce) {
    const int port = FreeLocalPort();
    if (!StartDummyRadio(port)) GTEST_SKIP() << "rigctld (libhamlib-utils) is not installed";
    UsePort(port);
    testing::ProcessResult set;
    for (int attempt = 0; attempt < 50; ++attempt) {  // until rigctld listens
        set = testing::RunProcess("/usr/bin/rigctl", {"-m", "2", "-r", "localhost:" + std::to_string(port),
                                                      "F", "14025000", "M", "USB", "2400"});
        if (set.exitCode == 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const auto result = Cli({"rig"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "14025000\tUSB\t20\tPH\n");
}

TEST_F(RigCommandTest, ARadioThatDoesNotAnswerIsNamedAndFails) {
    UsePort(FreeLocalPort());
    const auto result = Cli({"rig"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "rig: radio not connected\n");
    EXPECT_EQ(Cli({"rig", "now"}).exitCode, 2);
}

}  // namespace
}  // namespace tallyhawk
