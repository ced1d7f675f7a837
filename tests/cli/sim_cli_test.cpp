#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "records/game_file.h"
#include "records/game_record.h"
#include "sim_process.h"

namespace {

namespace fs = std::filesystem;

using kelmira::test::HasLine;
using kelmira::test::LinesOf;
using kelmira::test::ReadBytes;
using kelmira::test::Result;

class SimCli : public kelmira::test::SimRun {
  protected:
    // Internal-fault lines decide the exit status.
    static void expectStatusMatchesFaults(const Result& r) {
        const bool faults = r.err.find("Internal Fault ") != std::string::npos;
        EXPECT_EQ(r.status, faults ? 3 : 0) << r.err;
    }
};

TEST_F(SimCli, HelpAndBadOptions) {
    const Result help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("kelmira-sim [options]"), std::string::npos);
    EXPECT_NE(help.out.find("--strategies A,B[,C[,D]]"), std::string::npos);
    EXPECT_NE(help.out.find("--signature"), std::string::npos);

    const std::vector<std::pair<std::string, std::string>> bad = {
        {"--players 5", "--players"},
        {"-p 1", "-p"},
        {"--games ten", "--games"},
        {"-n 0", "-n"},
        {"--seed -3", "--seed"},
        {"--seed 4294967296", "--seed"},
        {"--strategies 8", "--strategies"},
        {"--strategies 8,18", "--strategies"},
        {"--strategies 8,8,8,8,8", "--strategies"},
        {"--jobs 0", "--jobs"},
        {"--trace", "--trace"},
        {"--bogus", "--bogus"},
        {"--signature=yes", "--signature"},
        {"extra", "extra"},
        {"--save g.kel --jobs 2", "--save"},
        {"--dump g.kel -n 3", "--dump"},
        {"--profile", "--profile"},
        {"--profile /no/such/folder", "--profile"},
    };
    for (const auto& [args, option] : bad) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2) << option;
        EXPECT_TRUE(r.out.empty()) << option;
        EXPECT_EQ(LinesOf(r.err).size(), 1u) << r.err;
        EXPECT_NE(r.err.find(option), std::string::npos) << r.err;
    }
}

TEST_F(SimCli, TheManualPageNamesEveryOption) {
    const char* source = std::getenv("KELMIRA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string page = ReadBytes(fs::path(source) / "packaging" / "kelmira-sim.6.in");
    ASSERT_FALSE(page.empty());
    const std::string help = run("--help").out;
    int options = 0;
    for (std::size_t at = help.find("--"); at != std::string::npos; at = help.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < help.size() && (std::isalnum(static_cast<unsigned char>(help[end])))) ++end;
        const std::string name = help.substr(at + 2, end - at - 2);
        ++options;
        EXPECT_NE(page.find("\\-\\-" + name), std::string::npos) << "--" << name;
    }
    EXPECT_GE(options, 14);
}

TEST_F(SimCli, ReportIsDeterministicAndGoesToStdoutOrFile) {
    const Result a = run("-n 3 -s 42 --signature");
    const Result b = run("--games=3 --seed=42 --signature");
    expectStatusMatchesFaults(a);
    EXPECT_EQ(a.out, b.out);
    const auto lines = LinesOf(a.out);
    ASSERT_GT(lines.size(), 100u);
    EXPECT_TRUE(HasLine(a.out, "number of games: 3"));
    const std::string sig = lines.back();
    ASSERT_EQ(sig.size(), std::string("signature: ").size() + 16) << sig;
    EXPECT_EQ(sig.substr(0, 11), "signature: ");
    EXPECT_EQ(sig.find_first_not_of("0123456789abcdef", 11), std::string::npos);

    const Result other = run("-n 3 -s 43 --signature");
    EXPECT_NE(LinesOf(other.out).back(), sig);

    // The same report into a file; the signature stays on standard output.
    const fs::path report = dir / "report.txt";
    const Result f = run("-n 3 -s 42 --signature --report " + report.string());
    expectStatusMatchesFaults(f);
    EXPECT_EQ(f.out, sig + "\n");
    EXPECT_EQ(ReadBytes(report) + sig + "\n", a.out);
    EXPECT_EQ(strayFiles({"report.txt"}), std::vector<std::string>{});
}

TEST_F(SimCli, TraceFileHoldsTheGamesAndTheReport) {
    const fs::path trace = dir / "trace.txt";
    const Result r = run("-n 2 -s 5 --trace " + trace.string());
    expectStatusMatchesFaults(r);
    const std::string t = ReadBytes(trace);
    const auto lines = LinesOf(t);
    int ends = 0, details = 0;
    for (const std::string& l : lines) {
        ends += l == "Spielende !!";
        details += l == "Pl  :     S    B    C    V  Sum  ";
    }
    EXPECT_EQ(ends, 2);
    EXPECT_EQ(details, 2);
    EXPECT_TRUE(HasLine(t, "Spielstart: Nachziehstapel mischen "));
    // The report closes the trace and is the same as on standard output.
    ASSERT_GE(t.size(), r.out.size());
    EXPECT_EQ(t.substr(t.size() - r.out.size()), r.out);
    EXPECT_EQ(strayFiles({"trace.txt"}), std::vector<std::string>{});
}

TEST_F(SimCli, UnwritableOutputFailsCleanly) {
    const fs::path missing = dir / "no" / "such" / "report.txt";
    const Result r = run("-n 1 -s 1 --report " + missing.string());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(missing.string()), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(missing));

    const Result t = run("-n 1 -s 1 --trace " + missing.string());
    EXPECT_EQ(t.status, 1);
    EXPECT_NE(t.err.find(missing.string()), std::string::npos) << t.err;

    // A folder in the way of the report: nothing half-written stays behind.
    fs::create_directory(dir / "taken");
    const Result d = run("-n 1 -s 1 --report " + (dir / "taken").string());
    EXPECT_EQ(d.status, 1);
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
    EXPECT_EQ(strayFiles({"taken"}), std::vector<std::string>{});
}

TEST_F(SimCli, InterruptEndsTheRunWithTheReportOfTheFinishedGames) {
    const fs::path trace = dir / "trace.txt";
    const fs::path out = dir / "out.txt";
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::freopen(out.c_str(), "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execl(KELMIRA_SIM_PATH, KELMIRA_SIM_PATH, "-n", "1000000", "-s", "9", "--trace",
                trace.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Trace lines are written only once the run (and its Ctrl-C handling) has begun.
    bool started = false;
    for (int i = 0; i < 600 && !started; ++i) {
        for (const auto& e : fs::directory_iterator(dir.path()))
            if (e.path().filename().string().rfind("trace.txt.tmp-", 0) == 0 &&
                fs::file_size(e.path()) > 0)
                started = true;
        if (!started) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_TRUE(started);
    ::kill(pid, SIGINT);
    int raw = 0;
    ASSERT_EQ(::waitpid(pid, &raw, 0), pid);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_TRUE(WEXITSTATUS(raw) == 0 || WEXITSTATUS(raw) == 3);

    const std::string report = ReadBytes(out);
    long games = -1;
    for (const std::string& l : LinesOf(report))
        if (l.rfind("number of games: ", 0) == 0) games = std::stol(l.substr(17));
    EXPECT_GE(games, 1);
    EXPECT_LT(games, 1000000);
    int ends = 0;
    for (const std::string& l : LinesOf(ReadBytes(trace))) ends += l == "Spielende !!";
    EXPECT_EQ(ends, games);
}

TEST_F(SimCli, SavedGameLoadsBackWithItsWholeHistory) {
    const fs::path game = dir / "game.kel";
    const Result saved = run("-n 2 -s 21 --save " + game.string());
    expectStatusMatchesFaults(saved);
    ASSERT_TRUE(fs::exists(game));
    EXPECT_EQ(strayFiles({"game.kel"}), std::vector<std::string>{});
    // Keeping the history does not change the games.
    EXPECT_EQ(run("-n 2 -s 21").out, saved.out);

    const Result dump = run("--dump " + game.string());
    EXPECT_EQ(dump.status, 0) << dump.err;
    const auto lines = LinesOf(dump.out);
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[0], " History: ");
    EXPECT_TRUE(HasLine(dump.out, "AnzSpieler: 4"));
    EXPECT_TRUE(HasLine(dump.out, "Print Puzzle Data"));
    EXPECT_TRUE(HasLine(dump.out, "With UNDO"));
    // The game was saved when it was over, with an entry for every turn of player 1.
    EXPECT_TRUE(HasLine(dump.out, "End of game reached "));
    long act = -1, max = -1;
    for (const std::string& l : lines) {
        if (l.rfind("ActHistory: ", 0) == 0) act = std::stol(l.substr(12));
        if (l.rfind("MaxHistory: ", 0) == 0) max = std::stol(l.substr(12));
    }
    EXPECT_GE(max, 21);
    EXPECT_LE(max, 40);
    EXPECT_EQ(act, max);
    int weekRows = 0;
    for (const std::string& l : lines) weekRows += l.rfind("1,1,", 0) == 0;
    EXPECT_GE(weekRows, 1);

    // Taken over in the window, an entry waits for the roll button exactly on a day that
    // player 1 opens; anywhere else a pending roll would lock the human out.
    const std::string packed = ReadBytes(game);
    const std::vector<std::uint8_t> image = kelmira::InflateImage(
        {reinterpret_cast<const std::uint8_t*>(packed.data()), packed.size()});
    ASSERT_EQ(image.size(), sizeof(kelmira::GameRecord));
    kelmira::GameRecord r;
    std::memcpy(&r, image.data(), sizeof r);
    int rollDue = 0, otherTurns = 0;
    for (int i = 1; i <= r.MaxHistory; ++i) {
        const kelmira::GameState& e = r.History[i];
        const bool opens =
            e.currentPlayer == 1 && e.startPlayer == 1 && e.turnInRound == 1 && !e.gameOver;
        EXPECT_EQ(e.rollPending, opens ? 1 : 0) << "entry " << i;
        (opens ? rollDue : otherTurns) += 1;
    }
    EXPECT_GE(rollDue, 1);
    EXPECT_GE(otherTurns, 1);

    // A file that is no game file: the message box, status 1, nothing on standard output.
    const fs::path junk = dir / "junk.kel";
    std::ofstream(junk) << "not a game";
    const Result bad = run("--dump " + junk.string());
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("File access error 0"), std::string::npos) << bad.err;

    // An unusable folder is refused before the first game.
    const fs::path nowhere = dir / "missing" / "game.kel";
    const Result refused = run("-n 1 -s 1 --save " + nowhere.string());
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find(nowhere.string()), std::string::npos) << refused.err;
}

TEST_F(SimCli, ProfileGivesTheParametersAndIsLeftAsItWas) {
    const fs::path profile = dir / "Kelmira.ini";
    const std::string content =
        "; tuned by hand\r\n[Strategie_3_Spieler]\r\nstrategie_sp2=6\r\nAnzahlSim=2\r\n"
        "[Strategie_4_Spieler]\r\nStrategie_Sp1=4\r\n";
    std::ofstream(profile, std::ios::binary) << content;

    const Result three = run("-p 3 -s 4 --profile " + dir.path().string());
    expectStatusMatchesFaults(three);
    EXPECT_TRUE(HasLine(three.out, "number of games: 2"));
    EXPECT_TRUE(HasLine(three.out, "Strategy  player 2 : 6"));
    // Options on the command line win over the profile.
    const Result four =
        run("-n 1 -s 4 --strategies 9,9,9,9 --profile " + dir.path().string());
    EXPECT_TRUE(HasLine(four.out, "Strategy  player 1 : 9"));
    const Result fromProfile = run("-n 1 -s 4 --profile " + dir.path().string());
    EXPECT_TRUE(HasLine(fromProfile.out, "Strategy  player 1 : 4"));

    EXPECT_EQ(ReadBytes(profile), content);
    EXPECT_EQ(strayFiles({"Kelmira.ini"}), std::vector<std::string>{});

    // A profile whose run would have no games.
    std::ofstream(profile, std::ios::binary) << "[Strategie_4_Spieler]\r\nAnzahlSim=-5\r\n";
    const Result none = run("-s 4 --profile " + dir.path().string());
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("--profile"), std::string::npos) << none.err;
}

}  // namespace
