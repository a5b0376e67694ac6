// The record of every test, kept and read back whatever befalls its file; the tests as CSV.

#include "learning/Progress.h"
#include "results/ColumnValues.h"
#include "results/Recorder.h"
#include "results/ResultsCsv.h"
#include "results/ResultsReader.h"
#include "results/ResultsWriter.h"
#include "results/Schema.h"
#include "support/FakeClock.h"
#include "support/RegistrySandbox.h"

#include <gmock/gmock.h>

#include <map>
#include <regex>
#include <set>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace learning;
using namespace results;
namespace fs = std::filesystem;
using fs::perms, fs::status, testing::HasSubstr;
using testing::internal::CaptureStderr, testing::internal::GetCapturedStderr;
using namespace std::chrono_literals;

class ResultsTest : public RegistrySandbox
{
  protected:
    std::string Path() const { return m_folder + "/carrowby/results.sqlite"; }
    // The file, or file in m_folder, as a parent reads it with sqlite3: rows by ';', columns '|'.
    std::string Query(const std::string& sql, const std::string& file = "") const
    {
        sqlite3* db = nullptr;
        std::string rows;
        const auto row = [](void* out, int count, char** values, char**) {
            auto& text = *static_cast<std::string*>(out);
            text += text.empty() ? "" : ";";
            for (int i = 0; i < count; ++i)
                text += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
            return 0;
        };
        sqlite3_open((file.empty() ? Path() : m_folder + "/" + file).c_str(), &db);
        sqlite3_exec(db, sql.c_str(), row, &rows, nullptr);
        sqlite3_close(db);
        return rows;
    }
    std::string Dir() const { return m_folder + "/carrowby"; }
    // The leaf page of a table n on from its first, or back from its last, counting round.
    int64_t Page(const std::string& table, int n) const
    {
        return std::stoll(
            Query("WITH leaf AS (SELECT pageno, row_number() OVER (ORDER BY pageno) - 1 "
                  "AS at, count(*) OVER () AS leaves FROM dbstat WHERE name = '" +
                  table + "' AND pagetype = 'leaf') SELECT pageno FROM leaf WHERE at = (" +
                  std::to_string(n) + " % leaves + leaves) % leaves"));
    }
    // A page of the file overwritten by the page from, or by bytes (a page of zeroes).
    void Overwrite(int64_t page, int64_t from = 0,
                   std::string bytes = std::string(4096, '\0')) const
    {
        std::fstream file(Path(), std::ios::in | std::ios::out | std::ios::binary);
        if (from)
            file.seekg((from - 1) * 4096), file.read(bytes.data(), 4096);
        file.seekp((page - 1) * 4096), file.write(bytes.data(), std::ssize(bytes));
    }
    // So many tests of 4 right and 6 wrong, titled by the SQL of title (i numbers them), into file.
    void Fill(int tests, const std::string& title, const std::string& file = "") const
    {
        Query("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                  std::to_string(tests) +
                  ") INSERT INTO tests (started, title, operations, numbers, "
                  "difficulty, problems, time_limit, correct, incorrect) SELECT "
                  "'2026-12-01T08:00:00+01:00', " +
                  title + ", '+', '7', 'Easy', 10, 0, 4, 6 FROM n",
              file);
    }
    void Folder() const { fs::remove_all(Dir()), fs::create_directories(Dir()); } // anew
    // A test of Ada's with a product right after 2.3 seconds and a sum wrong.
    static Recorder& TwoAnswers(Recorder& recorder, const std::string& title = "Ada's Carrowby")
    {
        auto clock = std::make_shared<FakeClock>();
        recorder.SetClock(clock);
        recorder.TestStarted({title, "+x", "3,7", "Easy", 10, 240}, {0, 0, 10, {}, ""});
        recorder.ProblemShown(1, 'x', {7, 3}, 21), clock->Pass(2.34);
        recorder.Answered("21", true, {1, 0, 9, 100, "A+"});
        recorder.ProblemShown(2, '+', {3, 4}, 7), clock->Pass(61);
        recorder.Answered(" 8x", false, {1, 1, 8, 50, "F"});
        return recorder;
    }
    static void ThirdRight(Recorder& r, bool written = true) // a sum, and the test's end
    {
        r.ProblemShown(3, '+', {5, 5}, 10), r.Answered("10", true, {2, 1, 7, 67, "D+"});
        r.TestEnded({2, 1, 7, 67, "D+"}, EndReason::Finished), written ? Written(r) : void();
    }
    static auto Waiting(Recorder& r) { return r.State().waiting.value_or(Reason{}).English(); }
    static void Written(Recorder& r) { EXPECT_TRUE(r.Flush(20s)) << Waiting(r); }
};

TEST_F(ResultsTest, KeepsEachTestAndAnswerAsTheDrillShowedThem)
{
    Recorder recorder;
    EXPECT_FALSE(fs::exists(Path())) << "nothing is opened before a test starts";
    ResultsReader none;
    EXPECT_FALSE(none.Open() || !none.Why().English().empty()) << "and none read is no fault";
    Written(TwoAnswers(recorder));
    EXPECT_EQ(fs::file_size(Path() + "-wal"), 0u)
        << "its log emptied after each change, so that a program killed leaves nothing in it";
    EXPECT_EQ(status(Dir()).permissions(), perms::owner_all);
    EXPECT_EQ(status(Path()).permissions(), perms::owner_read | perms::owner_write);
    const std::string columns = "title, operations, numbers, difficulty, problems, time_limit, "
                                "correct, incorrect, unanswered, percentage, grade, end_reason";
    EXPECT_EQ(Query("SELECT " + columns + ", ended FROM tests"),
              "Ada's Carrowby|+x|3,7|Easy|10|240|1|1|8|50|F||")
        << "each answer kept as it is given";
    recorder.TestEnded({1, 1, 8, 10, "F"}, EndReason::Time);
    recorder.TestStarted({"Bo's Carrowby", "+", "7", "Hard", 20, 0}, {0, 0, 20, {}, ""});
    recorder.TestEnded({0, 0, 20, {}, ""}, EndReason::Stopped), Written(recorder); // no percentage
    EXPECT_EQ(Query("SELECT " + columns + " FROM tests"),
              "Ada's Carrowby|+x|3,7|Easy|10|240|1|1|8|10|F|time;"
              "Bo's Carrowby|+|7|Hard|20|0|0|0|20|NULL||stopped");
    EXPECT_EQ(Query("SELECT test, number, operation, operands, right_answer, given, correct, "
                    "seconds FROM problems WHERE test = 1"),
              "1|1|x|7,3|21|21|1|2.3;1|2|+|3,4|7| 8x|0|61.0");
    const std::string times = Query("SELECT started || '|' || ended || '|' || (strftime('%s', "
                                    "ended) - strftime('%s', started)) FROM tests LIMIT 1");
    EXPECT_TRUE(std::regex_match(times, std::regex(R"((2025-12-01T[\d:]{8}[+-]\d\d:\d\d\|){2}63)")))
        << times << ": local times, 63 s apart by the clock the recorder is given";
    EXPECT_EQ(Query("PRAGMA user_version") + Query("PRAGMA journal_mode"),
              std::to_string(SchemaVersion()) + "wal");
    fs::copy_file(Path(), m_folder + "/copy"); // the file alone, as a backup copies it
    EXPECT_EQ(Query("SELECT count(*) FROM problems", "copy"), "2") << "checkpointed at each end";
    EXPECT_FALSE(fs::exists(Path() + "-wal") || fs::exists(Path() + "-shm"))
        << "let go of at each end, so that a file put in its place is never given its log";
    chmod(Path().c_str(), 0640); // widened by hand, for the group alone
    ResultsWriter().Open(500);
    EXPECT_EQ(status(Path()).permissions(), perms::owner_read | perms::owner_write);

    ResultsReader reader;
    for (int open = 0; open < 300; ++open) // as a window open all day reads the file anew
        ASSERT_TRUE(reader.Open());
    EXPECT_EQ(reader.Titles(), std::vector<std::string>({"Ada's Carrowby", "Bo's Carrowby"}));
    const std::vector<TestRow> tests = reader.Tests().value();
    ASSERT_EQ(tests.size(), 2u);
    EXPECT_EQ(std::tuple(tests[0].title, StoredText(tests[0], TestColumns[12]), tests[0].endReason),
              std::tuple("Bo's Carrowby", "", EndReason::Stopped))
        << "newest first, with no percentage";
    const Score ada = reader.Tests("Ada's Carrowby").value()[0];
    EXPECT_EQ(std::vector({ada.correct, ada.incorrect, ada.unanswered, ada.percentage.value()}),
              std::vector<int64_t>({1, 1, 8, 10}));
    std::vector<AnsweredProblem> answers;
    EXPECT_TRUE(reader.ForEachAnswer("Ada's Carrowby", [&](auto one) { answers.push_back(one); }));
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(std::tuple(answers[0].operation, answers[0].correct, answers[1].operands,
                         answers[1].ticked),
              std::tuple('x', true, std::vector<int64_t>{3, 4}, std::vector<int>{3, 7}))
        << "the first first, with an Easy test's numbers";
    EXPECT_EQ(reader.Problems(tests[1].id).value().size(), 2u);
    const std::string every = AnswersCsv(reader.Answers().value()), by = "Ada's Carrowby,";
    EXPECT_EQ(every.substr(every.find('\n') + 1),
              by + tests[1].started + ",1,x,\"7,3\",21,21,1,2.3,0\n" + by + tests[1].started +
                  ",2,'+,\"3,4\",7, 8x,0,61.0,0\n");
    EXPECT_TRUE(reader.Answers("Bo's Carrowby").value().empty());
}

// A dump has no version. A test with nothing answered loses the 100% and A+ it was once given.
TEST_F(ResultsTest, OlderAndRestoredFilesAreBroughtUpToDateInPlace)
{
    const std::string firstSchema = R"(
        CREATE TABLE tests (id INTEGER PRIMARY KEY, started TEXT NOT NULL,
            ended TEXT NOT NULL DEFAULT '', title TEXT NOT NULL, operations TEXT NOT NULL,
            numbers TEXT NOT NULL, difficulty TEXT NOT NULL, problems INTEGER NOT NULL,
            time_limit INTEGER NOT NULL, correct INTEGER NOT NULL DEFAULT 0,
            incorrect INTEGER NOT NULL DEFAULT 0, unanswered INTEGER NOT NULL DEFAULT 0,
            percentage INTEGER NOT NULL DEFAULT 0, grade TEXT NOT NULL DEFAULT '',
            end_reason TEXT NOT NULL DEFAULT '');
        CREATE TABLE problems (test INTEGER NOT NULL REFERENCES tests (id) ON DELETE CASCADE,
            number INTEGER NOT NULL, operation TEXT NOT NULL, operands TEXT NOT NULL,
            right_answer INTEGER NOT NULL, given TEXT NOT NULL, correct INTEGER NOT NULL,
            seconds REAL NOT NULL, PRIMARY KEY (test, number));)";
    const std::string tests = R"(
        INSERT INTO tests (id, started, title, operations, numbers, difficulty, problems,
            time_limit, correct, percentage, grade) VALUES
            (4, '2026-12-01T08:00:00+01:00', 'Carrowby', '+', '7', 'Easy', 10, 0, 0, 100, 'A+'),
            (5, '2026-12-01T09:00:00+01:00', 'Carrowby', '+', '7', 'Easy', 10, 0, 3, 30, 'F');
        INSERT INTO problems (test, number, operation, operands, right_answer, given, correct,
            seconds) VALUES (5, 1, '+', '7,1', 8, '8', 1, 1.5);)";
    const std::tuple<const char*, std::string, const char*> rows[] = {
        {"the first schema not brought up to date", firstSchema, "1"},
        {"a dump's tables made again", firstSchema, "0"},
        {"a dump of this schema made anew", "", "0"}}; // "": this program's schema
    for (const auto& [fault, schema, version] : rows) {
        Folder();
        std::string recorded = tests; // this schema's tests never had 100% with no answer
        if (schema.empty())
            ResultsWriter().Open(500), recorded.replace(recorded.find("100, 'A+'"), 9, "NULL, ''");
        Query(schema + recorded + "PRAGMA user_version = " + version);
        Recorder recorder;
        Written(TwoAnswers(recorder));
        EXPECT_EQ(Query("SELECT id, correct, percentage, grade FROM tests; SELECT user_version, "
                        "(SELECT count(*) FROM sqlite_master WHERE name = 'tests_by_title') || "
                        "(SELECT count(*) FROM problems) FROM pragma_user_version"),
                  "4|0|NULL|;5|3|30|F;6|1|50|F;" + std::to_string(SchemaVersion()) + "|13")
            << fault;
    }
}

// The copies set aside, as the Results window lists them.
static std::vector<CopySetAside> Aside(const std::string& path)
{
    ResultsReader reader(path);
    return reader.Open(), reader.CopiesSetAside();
}

// Set aside as it was found, never deleted but from the Results window's message; whatever its
// pages still give saved into the new file, numbered as they were.
TEST_F(ResultsTest, AFileThatCannotBeReadWholeIsSetAsideAndWhatItHoldsSaved)
{
    Folder();
    std::ofstream(Path(), std::ios::binary) << "my shopping list\n";
    const std::string said = Said([&] {
        Recorder recorder;
        Written(TwoAnswers(recorder));
    });
    auto aside = Aside(Path());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(FileText(aside[0].path), "my shopping list\n");
    EXPECT_EQ(status(aside[0].path).permissions(), perms::owner_read | perms::owner_write);
    EXPECT_THAT(said, HasSubstr(Path() + " could not be read whole; it was moved to " +
                                aside[0].path + ", and 0 tests were saved"));
    EXPECT_EQ(Query("SELECT count(*) FROM problems"), "2");

    // 2,000 tests of two children, ten answers each; pages of the file damaged by hand.
    const auto cells = [&](int64_t page) {
        return std::stoll(Query("SELECT ncell FROM dbstat WHERE pageno = " + std::to_string(page)));
    };
    // Made by the first schema, then brought up to date: its older rows lack the newer columns.
    const auto twoThousand = [&] {
        Folder();
        Database first;
        EXPECT_TRUE(first.Open(Path(), Database::Beginning, 500) && BringUpToDate(first, 1));
        first.Close();
        Fill(2000, "CASE i % 2 WHEN 0 THEN 'Ada' ELSE 'Bo' END");
        Query(R"(INSERT INTO problems (test, number, operation, operands, right_answer, given,
                     correct, seconds) SELECT id, k, '+', '7,' || k, 7 + k, '1', 0, 1.5 FROM tests,
                     (WITH RECURSIVE m(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM m WHERE k < 10)
                      SELECT k FROM m))");
        ResultsWriter().Open(500);
    };
    for (size_t at = 0; at < 4; ++at) {
        twoThousand();
        const auto tests = [&](int n) { return Page("tests", n); };
        const auto answers = [&](int n) { return Page("problems", n); };
        using Damage = std::vector<std::pair<int64_t, int64_t>>; // page, and by which (0: zeroes)
        // clang-format off
        const std::tuple<const char*, Damage, int64_t, int64_t> rows[] = { // tests, answers lost
            {"zeroed: a page of tests, two of answers, one of an index", {{tests(3), 0},
             {answers(40), 0}, {answers(90), 0}, {Page("tests_by_title", 2), 0}}, cells(tests(3)),
             cells(answers(40)) + cells(answers(90))},
            {"an index's page over another, which SQLite's quick check passes",
             {{Page("sqlite_autoindex_problems_1", 5), Page("sqlite_autoindex_problems_1", 9)}}, 0, 0},
            {"a page of tests over the last: its tests twice, the last ones gone",
             {{tests(-1), tests(4)}}, cells(tests(-1)), 0},
            {"the first page zeroed: the header and the schema", {{1, 0}}, 0, 0}};
        // clang-format on
        const auto& [what, damage, testsLost, answersLost] = rows[at];
        for (const auto& [page, from] : damage)
            Overwrite(page, from);
        Recorder recorder;
        CaptureStderr(), Written(TwoAnswers(recorder)), GetCapturedStderr();
        aside = Aside(Path());
        ASSERT_EQ(aside.size(), 1u) << what;
        EXPECT_EQ(std::vector({aside[0].saved, aside[0].unreadTests, aside[0].unreadAnswers}),
                  std::vector<int64_t>({2000 - testsLost, testsLost, answersLost}))
            << what;
        EXPECT_EQ(Query("SELECT count(*), count(DISTINCT id), max(id) FROM tests; SELECT count(*) "
                        "FROM problems; PRAGMA integrity_check"),
                  std::to_string(2001 - testsLost) + "|" + std::to_string(2001 - testsLost) +
                      "|2001;" + std::to_string(20002 - 10 * testsLost - answersLost) + ";ok")
            << what << ": the new test numbered after the highest ever given";
        ResultsWriter forgetting;
        ASSERT_TRUE(forgetting.Open(500) && forgetting.Forget());
        EXPECT_EQ(Aside(Path()).size(), 1u) << "kept by Forget All";
        EXPECT_TRUE(forgetting.ForgetCopiesSetAside() && Aside(Path()).empty());
    }
    // Rows another program deleted, left unzeroed on the file's free pages: never brought back.
    twoThousand();
    Query("PRAGMA secure_delete = OFF; DELETE FROM problems; DELETE FROM tests WHERE id <= 1000");
    Overwrite(Page("tests", 30));
    Recorder recorder;
    CaptureStderr(), Written(TwoAnswers(recorder, "Bo")), GetCapturedStderr();
    EXPECT_EQ(Query("SELECT count(*) FROM tests WHERE id <= 1000"), "0");
}

// Whatever is put at the file's place, while the program runs or after it was killed, is what
// the program then records into, whole: the log of the file it replaced never reaches it.
TEST_F(ResultsTest, WhatIsPutInTheFilesPlaceIsRecordedIntoWhole)
{
    const std::string backup = m_folder + "/backup.sqlite";
    ResultsWriter(backup).Open(500);
    Fill(60, "'Backup'", "backup.sqlite"), Query("PRAGMA journal_mode = DELETE", "backup.sqlite");
    for (const char* how : {"moved in", "copied over", "after a kill"}) {
        Folder();
        auto recorder = std::make_unique<Recorder>();
        Written(TwoAnswers(*recorder)); // in a test
        const std::string kept = m_folder + "/killed";
        if (how == std::string("after a kill")) { // what a kill leaves: the log, the index of it
            for (const char* file : {"-wal", "-shm"})
                fs::copy_file(Path() + file, kept + file, fs::copy_options::overwrite_existing);
            recorder.reset();
        } else {
            ThirdRight(*recorder); // the test ended: the file let go of
        }
        if (how == std::string("moved in")) {
            fs::copy_file(backup, m_folder + "/new"), fs::rename(m_folder + "/new", Path());
        } else {
            fs::copy_file(backup, Path(), fs::copy_options::overwrite_existing);
            for (const char* file : {"-wal", "-shm"})
                if (how == std::string("after a kill"))
                    fs::copy_file(kept + file, Path() + file);
        }
        if (!recorder)
            recorder = std::make_unique<Recorder>();
        CaptureStderr(), Written(TwoAnswers(*recorder)), GetCapturedStderr();
        EXPECT_EQ(Query("SELECT count(*) FROM tests WHERE title = 'Backup'") + "|" +
                      Query("SELECT count(*) FROM tests") + "|" + Query("PRAGMA integrity_check"),
                  "60|61|ok")
            << how;
    }
}

// The drill goes on at once; what waits is kept, its reason said as it first arises.
TEST_F(ResultsTest, WhatCannotBeWrittenYetWaitsAndIsWrittenLater)
{
    std::ofstream(Dir()) << "a file where the folder would be";
    const std::string said = Said([&] {
        Recorder recorder;
        EXPECT_FALSE(TwoAnswers(recorder).Flush(20s));
        EXPECT_EQ(Waiting(recorder), "Not a directory");
        fs::remove(Dir());
        fs::create_directories(Path()); // a folder where the file would be
        recorder.TestEnded({1, 1, 8, 10, "F"}, EndReason::Finished);
        while (Waiting(recorder) == "Not a directory")
            recorder.Flush(20s);
        EXPECT_EQ(Waiting(recorder), "Is a directory");
        fs::remove(Path());
        Written(recorder);
        EXPECT_FALSE(recorder.State().waiting);
    });
    const auto waits = [this](const char* why) {
        return "carrowby: results cannot be written to " + Path() + " for now (" + why +
               "); they are kept until they can be\n";
    };
    EXPECT_EQ(said, waits("Not a directory") + waits("Is a directory") +
                        "carrowby: results are written to " + Path() + " again\n")
        << "each reason said once";
    EXPECT_EQ(Query("SELECT count(*), max(end_reason) FROM problems JOIN tests ON test = id"),
              "2|finished");

    for (const char* held : {"BEGIN EXCLUSIVE", "PRAGMA journal_mode = DELETE; BEGIN; SELECT "
                                                "count(*) FROM tests"}) {
        Query(std::string("PRAGMA journal_mode = ") + (held[0] == 'B' ? "WAL" : "DELETE"));
        Recorder recorder;
        CaptureStderr();
        sqlite3* holder = nullptr; // another program's: a backup, a sqlite3 left open
        sqlite3_open(Path().c_str(), &holder);
        EXPECT_EQ(sqlite3_exec(holder, held, nullptr, nullptr, nullptr), SQLITE_OK);
        const auto handed = std::chrono::steady_clock::now();
        TwoAnswers(recorder).TestEnded({1, 1, 8, 10, "F"}, EndReason::Finished);
        EXPECT_LT(std::chrono::steady_clock::now() - handed, 500ms) << "no verdict waits";
        EXPECT_FALSE(recorder.Flush(20s)) << held;
        sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr), sqlite3_close(holder);
        Written(recorder), GetCapturedStderr();
    }
    EXPECT_EQ(Query("SELECT count(*) FROM tests WHERE end_reason = 'finished'") +
                  Query("SELECT count(*) FROM problems"),
              "36");
}

// Held by another program to the end: what waits is kept beside the file and written into it at
// the next recording, whole, into the test it belongs to where that was begun in the file.
TEST_F(ResultsTest, WhatCannotBeWrittenByTheEndIsKeptForTheNextRecording)
{
    for (const bool begun : {false, true}) {
        Folder();
        ResultsWriter().Open(500);
        sqlite3* holder = nullptr;
        sqlite3_open(Path().c_str(), &holder);
        const auto hold = [&] {
            sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        };
        const std::string said = Said([&] {
            Recorder recorder;
            if (begun) {
                Written(TwoAnswers(recorder)), hold(), ThirdRight(recorder, false);
            } else {
                hold(), TwoAnswers(recorder).TestEnded({1, 1, 8, 10, "F"}, EndReason::Stopped);
            }
            EXPECT_EQ(recorder.State().pendingAnswers, begun ? 1 : 2);
        });
        EXPECT_THAT(said, HasSubstr(std::string(begun ? "1" : "2") +
                                    " answers, and how their test went, could not be written to " +
                                    Path() + " (database is locked); they are kept in " +
                                    UnwrittenPath(Path())));
        EXPECT_EQ(status(UnwrittenPath(Path())).permissions(),
                  perms::owner_read | perms::owner_write);
        sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr), sqlite3_close(holder);
        Recorder next;
        next.TestStarted({"Bo's Carrowby", "+", "7", "Easy", 10, 0}, {});
        CaptureStderr(), Written(next), GetCapturedStderr();
        EXPECT_EQ(Query("SELECT id, title, end_reason, (SELECT group_concat(given) FROM problems "
                        "WHERE test = id) FROM tests"),
                  std::string(begun ? "1|Ada's Carrowby|finished|21, 8x,10"
                                    : "1|Ada's Carrowby|stopped|21, 8x") +
                      ";2|Bo's Carrowby||NULL")
            << begun;
        EXPECT_FALSE(fs::exists(UnwrittenPath(Path()))) << "taken in";
    }
}

// A read that fails says so and never gives part of the tests as all of them.
TEST_F(ResultsTest, AReaderChangesNothingAndFailsWhole)
{
    Folder();
    std::ofstream(Path()).close(); // empty: no tests yet, and nothing written
    ResultsReader reader;
    ASSERT_TRUE(reader.Open());
    EXPECT_EQ(reader.Tests().value().size() + reader.Titles().value().size(), 0u);
    EXPECT_EQ(fs::file_size(Path()), 0u);
    fs::remove(Path());
    ResultsWriter().Open(500);
    Fill(2000, "'Ada' || char(0) || 's'");
    Query("PRAGMA journal_mode = DELETE; PRAGMA user_version = 1");
    const std::string before = FileText(Path());
    ASSERT_TRUE(reader.Open());
    EXPECT_EQ(reader.Tests().value().size(), 2000u) << "a file of the first version, as it is";
    EXPECT_EQ(reader.Tests().value()[0].title, std::string("Ada\0s", 5)) << "whole, its NUL too";
    EXPECT_EQ(FileText(Path()), before) << "nothing written";

    const int64_t lastTests = Page("tests", -1), firstTests = Page("tests", 0),
                  firstIndex = Page("tests_by_title", 0), lastIndex = Page("tests_by_title", -1);
    // sql: what another program did to the file; else a page overwritten by another, or its
    // header by bytes that are no page's (0).
    const std::tuple<const char*, std::string, std::pair<int64_t, int64_t>, bool> rows[] = {
        {"a renamed column read as empty", "ALTER TABLE tests RENAME COLUMN grade TO x", {}, false},
        {"a version no program writes read", "PRAGMA user_version = -1", {}, false},
        {"a damaged page read as fewer tests", "", {lastTests, 0}, true},
        {"a page of tests over another read as tests twice", "", {lastTests, firstTests}, true},
        {"an index page over another read as whole", "", {lastIndex, firstIndex}, true}};
    for (const auto& [fault, sql, damage, opens] : rows) {
        fs::copy_file(Path(), Path() + ".good", fs::copy_options::overwrite_existing);
        if (sql.empty())
            Overwrite(damage.first, damage.second, std::string(damage.second ? 4096 : 8, '\x7f'));
        Query(sql);
        EXPECT_EQ(reader.Open(), opens) << fault;
        EXPECT_TRUE(!opens || !reader.Tests(std::string("Ada\0s", 5))) << fault;
        EXPECT_NE(reader.Why().English(), "") << fault;
        fs::rename(Path() + ".good", Path());
    }
}

// The other copy never writes into a test it did not begin; it drops the rest of its own.
TEST_F(ResultsTest, ForgettingWhileAnotherCopyIsInATestMixesNothing)
{
    Recorder other;
    Written(TwoAnswers(other, "Bo's Carrowby"));
    ResultsWriter forgetting;
    ASSERT_TRUE(forgetting.Open(500) && forgetting.Forget()) << forgetting.Why().English();
    Recorder recorder;
    Written(TwoAnswers(recorder));
    EXPECT_EQ(Said([&] { ThirdRight(other); }),
              "carrowby: another copy of Carrowby forgot this test's results while it ran here; "
              "the rest of it is not kept\n")
        << "said once";
    EXPECT_EQ(other.State().lostAnswers, 1);
    recorder.TestEnded({1, 1, 8, 50, "F"}, EndReason::Finished), Written(recorder);
    EXPECT_EQ(Query("SELECT title, correct, incorrect, end_reason, (SELECT group_concat(given) "
                    "FROM problems WHERE test = id) FROM tests"),
              "Ada's Carrowby|1|1|finished|21, 8x");
    other.TestStarted({"Bo's Carrowby", "+", "7", "Easy", 10, 0}, {});
    other.TestEnded({}, EndReason::Stopped), Written(other);
    EXPECT_EQ(Query("SELECT count(*) FROM tests"), "2") << "the other goes on with its next test";
}

TEST_F(ResultsTest, AFileMovedOrRemovedIsBegunAgainWithTheTestWhole)
{
    for (const bool moved : {true, false}) {
        Recorder recorder;
        Written(TwoAnswers(recorder));
        for (const char* file : {"", "-wal", "-shm"})
            moved ? fs::rename(Path() + file, m_folder + "/moved" + file)
                  : (void)fs::remove(Path() + file);
        EXPECT_THAT(Said([&] { ThirdRight(recorder); }), HasSubstr("was moved or removed"));
        EXPECT_EQ(Query("SELECT correct, end_reason, (SELECT group_concat(given) FROM problems "
                        "WHERE test = id) FROM tests"),
                  "2|finished|21, 8x,10")
            << (moved ? "moved" : "removed");
    }
}

TEST_F(ResultsTest, TwoCopiesRecordingAtOnceBothKeepEveryAnswer)
{
    std::vector<pid_t> copies;
    for (const char* title : {"Ada's Carrowby", "Bo's Carrowby"}) {
        if (copies.emplace_back(fork()) == 0) {
            Recorder recorder;
            for (int test = 0; test < 10; ++test) {
                recorder.TestStarted({title, "+", "7", "Easy", 20, 0}, {});
                for (int number = 1; number <= 20; ++number) {
                    recorder.ProblemShown(number, '+', {7, number}, 7 + number);
                    recorder.Answered("1", false, {});
                }
                recorder.TestEnded({}, EndReason::Finished);
            }
            // A flush ends whenever the other copy holds the file; what waits is still written.
            for (const auto until = std::chrono::steady_clock::now() + 60s;
                 !recorder.Flush(60s) && std::chrono::steady_clock::now() < until;) {
            }
            _exit(recorder.Flush(0s) ? 0 : 1);
        }
    }
    for (int status = -1; const pid_t pid : copies)
        EXPECT_EQ(waitpid(pid, &status, 0) == pid ? status : -1, 0) << pid;
    EXPECT_EQ(Query("SELECT count(*), count(DISTINCT test) FROM problems") + "|" +
                  Query("SELECT count(*) FROM tests WHERE end_reason = 'finished'"),
              "400|20|20");
}

// While it lives, the files SQLite opens cannot be cut short, as on a failing disk: each kind of
// file gets a copy of its methods but truncation. Static, as connections it opened may outlive it.
struct FailingTruncate
{
    static inline sqlite3_vfs* real = sqlite3_vfs_find(nullptr);
    static inline std::map<const sqlite3_io_methods*, sqlite3_io_methods> failing;
    static inline sqlite3_vfs vfs = *real;
    FailingTruncate()
    {
        vfs.zName = "failing truncate", vfs.xOpen = Open, sqlite3_vfs_register(&vfs, 1);
    }
    ~FailingTruncate() { sqlite3_vfs_unregister(&vfs); }
    static int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* out)
    {
        const int opened = real->xOpen(real, name, file, flags, out);
        if (file->pMethods) {
            auto& methods = failing.try_emplace(file->pMethods, *file->pMethods).first->second;
            methods.xTruncate = [](sqlite3_file*, sqlite3_int64) { return SQLITE_IOERR_TRUNCATE; };
            file->pMethods = &methods;
        }
        return opened;
    }
};

// Forgetting one child's tests, then every test; what is not forgotten stays.
TEST_F(ResultsTest, ForgottenResultsCannotBeReadBackFromTheFilesBytes)
{
    Recorder recorder;
    for (int test = 0; test < 200; ++test) { // many pages, some of them freed
        TwoAnswers(recorder, test % 2 ? "Zoe's Carrowby" : "Yan's Carrowby");
        recorder.ProblemShown(3, '+', {1, 1}, 2);
        recorder.Answered(test % 2 ? "zebra-4242" : "yak-7", false, {});
    }
    recorder.TestEnded({}, EndReason::Finished), Written(recorder); // and let go of the file
    const std::string aside = Path() + ".unreadable-20261201-080000";
    fs::copy_file(Path(), aside); // a copy once set aside holds answers too
    ResultsWriter writer;
    ResultsReader reader;
    auto gone = [&](const std::string& text) {
        return FileText(Path()).find(text) == std::string::npos &&
               FileText(Path() + "-wal").find(text) == std::string::npos;
    };
    ASSERT_TRUE(writer.Open(500) && writer.Forget("Zoe's Carrowby")) << writer.Why().English();
    ASSERT_TRUE(reader.Open());
    EXPECT_EQ(reader.Titles().value(), std::vector<std::string>{"Yan's Carrowby"});
    EXPECT_TRUE(gone("zebra-4242") && gone("Zoe's") && !gone("yak-7"));
    EXPECT_TRUE(fs::exists(aside)) << "kept until every result is forgotten";
    // Another program reading the file holds what it has read until it closes it.
    sqlite3* other = nullptr;
    sqlite3_open(Path().c_str(), &other);
    sqlite3_exec(other, "BEGIN; SELECT count(*) FROM problems", nullptr, nullptr, nullptr);
    EXPECT_FALSE(writer.Forget());
    EXPECT_EQ(writer.Why().English(), "another program has the results file open; what it has "
                                      "read stays in the file until that program closes it");
    writer.Close();
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), sqlite3_close(other);
    EXPECT_TRUE(reader.Tests().value().empty());
    EXPECT_TRUE(fs::exists(aside)) << "kept until it is forgotten itself";
    EXPECT_TRUE(gone("yak-7") && gone("Yan's")) << "once the other program closed it";
    recorder.TestEnded({}, EndReason::Finished);
    Written(TwoAnswers(recorder));
    EXPECT_EQ(reader.Tests().value().size(), 1u) << "recording goes on";
    writer.Close();
    FailingTruncate disk; // the log cannot be emptied: what it holds is not said to be gone
    EXPECT_FALSE(writer.Open(500) && writer.Forget()) << "reported as forgotten";
}

// Each column of a row a value of its own.
template <typename Row, typename Column, size_t Count>
static Row Distinct(const Column (&columns)[Count])
{
    Row row;
    for (size_t at = 0; at < Count; ++at)
        std::visit(
            [&](auto field) {
                using Value = std::remove_reference_t<decltype(row.*field)>;
                if constexpr (std::is_same_v<Value, std::string>)
                    row.*field = "text " + std::to_string(at);
                else if constexpr (std::is_same_v<Value, std::optional<EndReason>>)
                    row.*field = EndReason::Time;
                else if constexpr (std::is_same_v<Value, std::vector<int64_t>>)
                    row.*field = {int64_t(at), 7};
                else if constexpr (std::is_same_v<Value, char> || std::is_same_v<Value, bool>)
                    row.*field = static_cast<Value>('a' + at);
                else
                    row.*field = static_cast<Value>(100 + at);
            },
            columns[at].field);
    return row;
}

// A column of either table is one row of TestColumns or ProblemColumns: in the file, written and
// read back; a file of each older version is read as it stands, a column it lacks as none.
TEST_F(ResultsTest, EachColumnIsInTheFileAndReadsBackAsWritten)
{
    auto test = Distinct<TestRow>(TestColumns);
    auto answer = Distinct<ProblemRow>(ProblemColumns);
    for (int64_t version = 1; version <= SchemaVersion(); ++version) {
        Folder();
        Database db; // the file made as a program of that version made it
        ASSERT_TRUE(db.Open(Path(), Database::Beginning, 500) && BringUpToDate(db, version));
        std::set<std::string> inFile, declared; // and those of this version or before
        std::vector<std::string> expected, read;
        // Each column as "name=value", a column the file lacks as its default.
        const auto said = [&](const auto& columns, const auto& row, const std::string& table,
                              std::vector<std::string>& into) {
            const auto there = ColumnsOf(db, table.c_str()).value();
            inFile.insert(there.begin(), there.end());
            for (const auto& column : columns) {
                using Row = std::decay_t<decltype(row)>;
                into.push_back(
                    column.name +
                    ("=" + StoredText(there.contains(column.name) ? row : Row{}, column)));
                column.since <= version ? (void)declared.insert(column.name) : void();
            }
        };
        said(TestColumns, test, "tests", expected),
            said(ProblemColumns, answer, "problems", expected);
        EXPECT_EQ(inFile, declared)
            << "a column missing from the schema's steps, or declared since "
               "another version; version "
            << version;
        if (version == SchemaVersion()) { // as this program writes it
            const auto ownPlaces = [](const auto& columns) {
                for (size_t at = 0; at < std::size(columns); ++at)
                    for (size_t other = 0; other < at; ++other)
                        EXPECT_NE(columns[at].field, columns[other].field)
                            << "two columns kept in one place of the record: " << columns[at].name
                            << " and " << columns[other].name;
            };
            ownPlaces(TestColumns), ownPlaces(ProblemColumns);
            ResultsWriter writer;
            ASSERT_TRUE(writer.Open(500));
            test.id = answer.test = writer.BeginTest(test, {answer}).value_or(0);
            ASSERT_EQ(writer.EndTest(test), ResultsWriter::Kept);
            expected.clear();
            said(TestColumns, test, "tests", expected),
                said(ProblemColumns, answer, "problems", expected);
        } else { // as a program of that version wrote it
            answer.test = test.id;
            const auto add = [&](const std::string& table, const auto& row, const auto& columns) {
                const auto there = ColumnsOf(db, table.c_str()).value();
                std::vector<std::decay_t<decltype(&columns[0])>> present;
                std::string values = "?";
                for (const auto& column : columns)
                    if (there.contains(column.name))
                        present.push_back(&column), values += present.size() > 1 ? ", ?" : "";
                Statement insert(db, "INSERT INTO " + table + " (" + Names(present) + ") VALUES (" +
                                         values + ")");
                EXPECT_TRUE(BindColumns(insert, row, present).Done()) << db.Why().English();
            };
            add("tests", test, TestColumns), add("problems", answer, ProblemColumns);
        }
        db.Close();
        ResultsReader reader;
        ASSERT_TRUE(reader.Open()) << reader.Why().English();
        const auto tests = reader.Tests("text 3").value();
        const auto answers = reader.Problems(test.id).value();
        ASSERT_EQ(tests.size() + answers.size(), 2u) << "version " << version;
        ASSERT_TRUE(db.Open(Path(), Database::Reading, 500));
        said(TestColumns, tests[0], "tests", read),
            said(ProblemColumns, answers[0], "problems", read);
        EXPECT_EQ(read, expected) << "version " << version;
    }
}

// Quoted where a field holds a separator, a tab, a quote or a line break; a formula kept as text.
TEST(ResultsCsv, GivesASpreadsheetEveryFieldAsText)
{
    // clang-format off
    TestRow test{{"Jo \"JJ\", Carrowby", "+-", "3,7,9", "Hard", 10, 0}, {9, 1, 0, 90, "A-"}, 7,
                 "2026-12-01T08:00:00+01:00", "", EndReason::Finished};
    // clang-format on
    EXPECT_EQ(TestsCsv({test}).substr(0, 34), "id,started,ended,title,operations,") << "named";
    EXPECT_THAT(TestsCsv({test}),
                HasSubstr("\n7,2026-12-01T08:00:00+01:00,,\"Jo \"\"JJ\"\", "
                          "Carrowby\",'+-,\"3,7,9\",Hard,10,0,9,1,0,90,A-,finished"));
    for (const auto& [title, field] :
         {std::pair("=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""),
          std::pair("x;=1+2;'s Carrowby", "\"x;=1+2;'s Carrowby\""), std::pair("a\tb", "\"a\tb\""),
          std::pair("a\nb", "\"a\nb\"")}) {
        test.title = title;
        EXPECT_THAT(TestsCsv({test}), HasSubstr(std::string(",") + field + ","));
    }
    test.percentage.reset(), test.grade.clear();
    EXPECT_THAT(TestsCsv({test}), HasSubstr(",1,0,,,finished,")) << "none answered";
    // Where decimals take a comma: each comma of "3, 7, 9" spaced, "4,2" quoted.
    CsvStyle french;
    french.separator = ';', french.decimal = ',', french.spreadsheet = true;
    EXPECT_EQ(TestsCsv({test}, french).substr(0, 15), "\xEF\xBB\xBFid;started;e");
    EXPECT_THAT(TestsCsv({test}, french), HasSubstr(";'+-;\"3, 7, 9\";Hard;"));
    test.title = "Zoé", test.practice = 1;
    const AnswerRow answer{test, {2, '-', {17, 9}, 8, "8", true, 4.2}};
    EXPECT_EQ(AnswersCsv({answer}, french),
              "\xEF\xBB\xBFtitle;started;number;operation;operands;right_answer;given;correct;"
              "seconds;practice\nZoé;2026-12-01T08:00:00+01:00;2;'-;\"17, 9\";8;8;1;\"4,2\";1\n")
        << "a practice's answer told from a test's";
}

// Charted: tests that ran to their end or time with something answered; the last five's ends.
TEST(Progress, SpeaksOfTheNewestKindAlone)
{
    std::vector<TestRow> newestFirst;
    constexpr auto F = EndReason::Finished;
    // clang-format off
    const std::tuple<const char*, std::optional<int64_t>, std::optional<EndReason>> tests[] = {
        {"Easy", 100, EndReason::Stopped}, {"Easy", 90, std::nullopt}, {"Easy", {}, EndReason::Time},
        {"Medium", 70, EndReason::Time}, {"Easy", 60, F}, {"Easy", 50, F}, {"Medium", 40, F},
        {"Easy", 30, F}, {"Easy", 20, F}, {"Easy", 10, F}, {"Easy", 5, F}};
    // clang-format on
    for (const auto& [kind, percentage, ended] : tests) {
        TestRow& test = newestFirst.emplace_back();
        test.difficulty = kind, test.percentage = percentage, test.endReason = ended;
        test.started = std::to_string(newestFirst.size());
    }
    const auto summary = Summarize(newestFirst).value();
    EXPECT_EQ(std::tuple(summary.kind, summary.tests, summary.firstStarted, summary.lastFew,
                         summary.from, summary.to),
              std::tuple("Medium", 2u, "7", 2u, 40, 70));
    newestFirst.erase(newestFirst.begin() + 3);
    EXPECT_EQ(Summarize(newestFirst)->tests, 6u) << "Easy, with something answered";
    EXPECT_EQ(Summarize(newestFirst)->from, 10) << "the first of the last five";
    EXPECT_FALSE(Summarize({newestFirst[0], newestFirst[1], newestFirst[2]}));
}
