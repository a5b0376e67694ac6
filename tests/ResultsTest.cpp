// The record of every test: what is kept and read back, older and broken files, faults, two
// copies at once, forgetting; which numbers are still to practise; the tests as CSV.

#include "results/Practice.h"
#include "results/Recorder.h"
#include "results/ResultsCsv.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace results;

namespace {

class ResultsTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::string folder = std::filesystem::temp_directory_path() / "carrowby-results-XXXXXX";
        ASSERT_NE(mkdtemp(folder.data()), nullptr);
        setenv("XDG_DATA_HOME", (m_folder = folder).c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Path() const { return m_folder + "/carrowby/results.sqlite"; }
    // The file as a parent reads it with sqlite3: rows joined by ';', their columns by '|'.
    std::string Query(const std::string& sql) const
    {
        sqlite3* db = nullptr;
        std::string rows;
        sqlite3_open(Path().c_str(), &db);
        sqlite3_exec(
            db, sql.c_str(),
            [](void* out, int count, char** values, char**) {
                auto& text = *static_cast<std::string*>(out);
                text += text.empty() ? "" : ";";
                for (int i = 0; i < count; ++i)
                    text += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
                return 0;
            },
            &rows, nullptr);
        sqlite3_close(db);
        return rows;
    }
    static std::string Bytes(const std::string& path)
    {
        return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
    }
    // A test of Ada's with a product right after 2.3 seconds and a sum wrong.
    static void TwoAnswers(Recorder& recorder, const std::string& title = "Ada's Carrowby")
    {
        auto clock = std::make_shared<FakeClock>();
        recorder.SetClock(clock);
        recorder.TestStarted({title, "+x", "3,7", "Easy", 10, 240}, {0, 0, 10, 100, "A+"});
        recorder.ProblemShown(1, 'x', {7, 3}, 21);
        clock->Pass(2.34);
        recorder.Answered("21", true, {1, 0, 9, 100, "A+"});
        recorder.ProblemShown(2, '+', {3, 4}, 7);
        clock->Pass(61);
        recorder.Answered(" 8x", false, {1, 1, 8, 50, "F"});
    }

    std::string m_folder;
};

} // namespace

TEST_F(ResultsTest, KeepsEachTestAndAnswerAsTheDrillShowedThem)
{
    Recorder recorder;
    EXPECT_FALSE(std::filesystem::exists(Path())) << "nothing is opened before a test starts";
    ResultsStore none;
    EXPECT_FALSE(none.OpenForReading() || !none.Why().empty()) << "and none read is no fault";
    TwoAnswers(recorder);
    using std::filesystem::perms, std::filesystem::status;
    EXPECT_EQ(status(m_folder + "/carrowby").permissions(), perms::owner_all);
    EXPECT_EQ(status(Path()).permissions(), perms::owner_read | perms::owner_write);
    const std::string columns = "title, operations, numbers, difficulty, problems, time_limit, "
                                "correct, incorrect, unanswered, percentage, grade, end_reason";
    EXPECT_EQ(Query("SELECT " + columns + ", ended FROM tests"),
              "Ada's Carrowby|+x|3,7|Easy|10|240|1|1|8|50|F||")
        << "each answer kept at once";
    recorder.TestEnded({1, 1, 8, 10, "F"}, EndReason::Time);
    TwoAnswers(recorder, "Bo's Carrowby");
    recorder.TestStopped(); // with the status of its last answer
    EXPECT_EQ(Query("SELECT " + columns + " FROM tests"),
              "Ada's Carrowby|+x|3,7|Easy|10|240|1|1|8|10|F|time;"
              "Bo's Carrowby|+x|3,7|Easy|10|240|1|1|8|50|F|stopped");
    EXPECT_EQ(Query("SELECT test, number, operation, operands, right_answer, given, correct, "
                    "seconds FROM problems WHERE test = 1"),
              "1|1|x|7,3|21|21|1|2.3;1|2|+|3,4|7| 8x|0|61.0");
    const std::regex localTime(R"(2025-12-01T\d\d:\d\d:\d\d[+-]\d\d:\d\d)");
    for (const std::string& time :
         {Query("SELECT started FROM tests LIMIT 1"), Query("SELECT ended FROM tests LIMIT 1")})
        EXPECT_TRUE(std::regex_match(time, localTime)) << time;
    EXPECT_EQ(Query("SELECT strftime('%s', ended) - strftime('%s', started) FROM tests LIMIT 1"),
              "63")
        << "from the clock the recorder is given";
    EXPECT_EQ(Query("PRAGMA user_version") + Query("PRAGMA journal_mode"), "2wal");

    ResultsStore store;
    ASSERT_TRUE(store.OpenForReading());
    EXPECT_EQ(store.Titles(), std::vector<std::string>({"Ada's Carrowby", "Bo's Carrowby"}));
    const std::vector<TestRow> tests = store.Tests();
    ASSERT_EQ(tests.size(), 2u);
    EXPECT_EQ(tests[0].title, "Bo's Carrowby") << "newest first";
    EXPECT_EQ(tests[0].endReason, EndReason::Stopped);
    const Score ada = store.Tests("Ada's Carrowby")[0];
    EXPECT_EQ(std::vector({ada.correct, ada.incorrect, ada.unanswered, ada.percentage}),
              std::vector<int64_t>({1, 1, 8, 10}));
    const std::vector<ProblemRow> answers = store.LastAnswers("Ada's Carrowby", 5);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].given + answers[0].operation + std::to_string(answers[0].number), " 8x+2")
        << "the last first";
    EXPECT_EQ(answers[1].operands, std::vector<int64_t>({7, 3}));
    EXPECT_EQ(store.Problems(tests[0].id).size(), 2u);
}

TEST_F(ResultsTest, AnOlderFileIsBroughtUpToDateInPlace)
{
    std::filesystem::create_directories(m_folder + "/carrowby");
    Query(R"(CREATE TABLE tests (id INTEGER PRIMARY KEY, started TEXT NOT NULL,
                 ended TEXT NOT NULL DEFAULT '', title TEXT NOT NULL, operations TEXT NOT NULL,
                 numbers TEXT NOT NULL, difficulty TEXT NOT NULL, problems INTEGER NOT NULL,
                 time_limit INTEGER NOT NULL, correct INTEGER NOT NULL DEFAULT 0,
                 incorrect INTEGER NOT NULL DEFAULT 0, unanswered INTEGER NOT NULL DEFAULT 0,
                 percentage INTEGER NOT NULL DEFAULT 0, grade TEXT NOT NULL DEFAULT '',
                 end_reason TEXT NOT NULL DEFAULT '');
             CREATE TABLE problems (test INTEGER NOT NULL REFERENCES tests (id) ON DELETE CASCADE,
                 number INTEGER NOT NULL, operation TEXT NOT NULL, operands TEXT NOT NULL,
                 right_answer INTEGER NOT NULL, given TEXT NOT NULL, correct INTEGER NOT NULL,
                 seconds REAL NOT NULL, PRIMARY KEY (test, number));
             INSERT INTO tests (started, title, operations, numbers, difficulty, problems,
                 time_limit) VALUES ('2026-12-01T08:00:00+01:00', 'Carrowby', '+', '7', 'Easy',
                 10, 0);
             PRAGMA user_version = 1;)");
    Recorder recorder;
    TwoAnswers(recorder);
    EXPECT_EQ(Query("PRAGMA user_version"), "2");
    EXPECT_EQ(Query("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"),
              "tests_by_title");
    EXPECT_EQ(Query("SELECT id, title FROM tests ORDER BY id"), "1|Carrowby;2|Ada's Carrowby");
}

TEST_F(ResultsTest, AFileThatIsNoDatabaseIsSetAsideAndANewOneBegun)
{
    { // one that fails SQLite's check is set aside too
        Recorder first;
        TwoAnswers(first);
    }
    std::string bytes = Bytes(Path());
    bytes.replace(4096 + 8, 8, std::string(8, '\xff')); // the second page's cells, damaged
    std::ofstream(Path(), std::ios::binary) << bytes;
    testing::internal::CaptureStderr();
    Recorder damaged;
    TwoAnswers(damaged);
    EXPECT_NE(testing::internal::GetCapturedStderr().find(" could not be read; it was moved to "),
              std::string::npos);
    std::filesystem::remove_all(m_folder + "/carrowby");
    std::filesystem::create_directories(m_folder + "/carrowby");
    std::ofstream(Path()) << "my shopping list\n";
    testing::internal::CaptureStderr();
    Recorder recorder;
    TwoAnswers(recorder);
    const std::string said = testing::internal::GetCapturedStderr();
    std::vector<std::string> aside;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder + "/carrowby"))
        if (entry.path().string().find(".unreadable-") != std::string::npos)
            aside.push_back(entry.path());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(Bytes(aside[0]), "my shopping list\n");
    EXPECT_NE(said.find(Path() + " could not be read; it was moved to " + aside[0]),
              std::string::npos)
        << said;
    EXPECT_EQ(Query("SELECT count(*) FROM problems"), "2");
}

// A file that cannot be made, or that another program holds, leaves the drill going: said once,
// kept for the Results window, tried again at the next test.
TEST_F(ResultsTest, ResultsThatCannotBeKeptLeaveTheDrillGoing)
{
    std::ofstream(m_folder + "/carrowby") << "a file where the folder would be";
    Recorder recorder;
    testing::internal::CaptureStderr();
    TwoAnswers(recorder);
    recorder.TestEnded({}, EndReason::Finished);
    TwoAnswers(recorder);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "carrowby: results cannot be kept in " + Path() +
                  " (Not a directory); the drill goes on without them\n");
    EXPECT_EQ(recorder.WhyNotKept().value_or(""), "Not a directory");
    EXPECT_FALSE(ResultsStore().OpenForReading());
    std::filesystem::remove(m_folder + "/carrowby");
    std::filesystem::create_directories(Path()); // SQLite's own words, with the system's reason
    TwoAnswers(recorder);
    EXPECT_EQ(recorder.WhyNotKept().value_or(""), "unable to open database file (Is a directory)");

    std::filesystem::remove_all(m_folder + "/carrowby");
    Recorder held;
    TwoAnswers(held); // the file made; now another program holds it
    sqlite3* other = nullptr;
    sqlite3_open(Path().c_str(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    testing::internal::CaptureStderr();
    held.Answered("1", true, {});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("database is locked"), std::string::npos);
    ResultsStore forgetting;
    ASSERT_TRUE(forgetting.OpenForReading());
    EXPECT_FALSE(forgetting.ForgetAll()) << "nothing forgotten while another program writes";
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    held.ProblemShown(4, '+', {1, 1}, 2);
    held.Answered("2", true, {}); // the rest of that test goes unrecorded, never held up again
    TwoAnswers(held);
    EXPECT_FALSE(held.WhyNotKept());
    EXPECT_EQ(Query("SELECT count(*) FROM problems"), "4");
}

TEST_F(ResultsTest, TwoCopiesRecordingAtOnceBothKeepEveryAnswer)
{
    std::vector<pid_t> copies;
    for (const char* title : {"Ada's Carrowby", "Bo's Carrowby"}) {
        const pid_t pid = fork();
        if (pid == 0) {
            Recorder recorder;
            for (int test = 0; test < 10; ++test) {
                recorder.TestStarted({title, "+", "7", "Easy", 20, 0}, {});
                for (int number = 1; number <= 20; ++number) {
                    recorder.ProblemShown(number, '+', {7, number}, 7 + number);
                    recorder.Answered("1", false, {});
                }
                recorder.TestEnded({}, EndReason::Finished);
            }
            _exit(recorder.WhyNotKept() ? 1 : 0);
        }
        copies.push_back(pid);
    }
    for (const pid_t pid : copies) {
        int status = -1;
        waitpid(pid, &status, 0);
        EXPECT_EQ(status, 0);
    }
    EXPECT_EQ(Query("SELECT count(*), count(DISTINCT test) FROM problems") + "|" +
                  Query("SELECT count(*) FROM tests WHERE end_reason = 'finished'"),
              "400|20|20");
}

TEST_F(ResultsTest, ForgottenResultsCannotBeReadBackFromTheFilesBytes)
{
    Recorder recorder;
    for (int test = 0; test < 200; ++test) { // many pages, some of them freed
        TwoAnswers(recorder, "Zoe's Carrowby");
        recorder.ProblemShown(3, '+', {1, 1}, 2);
        recorder.Answered("zebra-4242", false, {});
    }
    ResultsStore store;
    ASSERT_TRUE(store.OpenForReading());
    ASSERT_TRUE(store.ForgetAll()) << store.Why();
    EXPECT_TRUE(store.Tests().empty());
    for (const std::string& file : {Path(), Path() + "-wal"}) {
        EXPECT_EQ(Bytes(file).find("zebra-4242"), std::string::npos) << file;
        EXPECT_EQ(Bytes(file).find("Zoe's"), std::string::npos) << file;
    }
    TwoAnswers(recorder);
    EXPECT_EQ(store.Tests().size(), 1u) << "recording goes on";
}

// Which numbers a child still misses: enough answers, a share below 80%, at most four numbers, the
// lowest share first; and the numbers of a test's wrong answers.
TEST(Practice, NamesTheNumbersStillMissed)
{
    struct Answers // one problem answered right so many times and wrong so many times
    {
        char operation;
        std::vector<int64_t> operands;
        int right, wrong;
    };
    auto answers = [](std::initializer_list<Answers> groups) {
        std::vector<ProblemRow> rows;
        for (const Answers& group : groups)
            for (int i = 0; i < group.right + group.wrong; ++i)
                rows.push_back({0, group.operation, group.operands, 0, "", i < group.right, 0});
        return rows;
    };
    struct Row
    {
        const char* fault;
        std::vector<ProblemRow> answers;
        const char* weakest; // its operations, then its numbers: "x|7,8"
        const char* missed;
    };
    // clang-format off
    const Row rows[] = {
        {"four answers counted as enough", answers({{'x', {7, 3}, 0, 4}}), "too few |", "x|3,7"},
        {"a share of 60% not weak", answers({{'x', {7, 3}, 3, 0}, {'x', {7, 4}, 0, 2}}), "x|7",
         "x|4,7"},
        {"a share of 80% weak", answers({{'x', {7, 3}, 4, 1}}), "|", "x|3,7"},
        {"7 counted twice in 7 x 7", answers({{'x', {7, 7}, 0, 1}, {'x', {7, 2}, 4, 0}}), "|",
         "x|7"},
        {"an operand above 10 counted", answers({{'+', {12, 5}, 0, 5}}), "+|5", "+|5"},
        {"more than four numbers, or the highest shares, taken",
         answers({{'-', {9, 1}, 0, 5}, {'-', {8, 2}, 1, 4}, {'-', {7, 3}, 2, 3},
                  {'-', {6, 4}, 3, 2}, {'-', {5, 0}, 2, 3}}),
         "-|1,2,8,9", "-|0,1,2,3,4,5,6,7,8,9"},
        {"a 0 in a division taken", answers({{'/', {0, 5}, 0, 5}, {'x', {2, 2}, 5, 0}}), "/|5",
         "/|0,5"},
        {"operations out of the boxes' order", answers({{'/', {8, 4}, 0, 5}, {'+', {3, 2}, 1, 4}}),
         "+/|2,3,4,8", "+/|2,3,4,8"},
        {"a tie taken by fewer answers",
         answers({{'+', {1, 1}, 0, 5}, {'+', {2, 2}, 0, 5}, {'+', {3, 3}, 0, 5},
                  {'+', {4, 4}, 1, 4}, {'+', {5, 5}, 2, 8}}),
         "+|1,2,3,5", "+|1,2,3,4,5"},
        {"the right answers' numbers taken as missed",
         answers({{'+', {1, 1}, 1, 0}, {'-', {2, 1}, 0, 1}}), "too few |", "-|1,2"},
    };
    // clang-format on
    auto text = [](const Practice& practice) {
        std::string numbers;
        for (const int number : practice.numbers)
            numbers += (numbers.empty() ? "" : ",") + std::to_string(number);
        return practice.operations + "|" + numbers;
    };
    for (const Row& row : rows) {
        const Weakest weakest = WeakestOf(GridOf(row.answers));
        EXPECT_EQ((weakest.counted ? "" : "too few ") + text(weakest.practice), row.weakest)
            << row.fault;
        EXPECT_EQ(text(MissedIn(row.answers)), row.missed) << row.fault;
    }
}

TEST(ResultsCsv, GivesASpreadsheetEveryFieldAsText)
{
    TestRow test{{"Jo \"JJ\", Carrowby", "+-", "3,7", "Hard", 10, 0},
                 {9, 1, 0, 90, "A-"},
                 7,
                 "2026-12-01T08:00:00+01:00",
                 "",
                 EndReason::Finished};
    EXPECT_EQ(TestsCsv({test}),
              "id,started,ended,title,operations,numbers,difficulty,problems,time_limit,correct,"
              "incorrect,unanswered,percentage,grade,end_reason\n"
              "7,2026-12-01T08:00:00+01:00,,\"Jo \"\"JJ\"\", Carrowby\",'+-,\"3,7\",Hard,10,0,9,"
              "1,0,90,A-,finished\n");
    test.title = "=HYPERLINK(\"x\")";
    EXPECT_NE(TestsCsv({test}).find(",\"'=HYPERLINK(\"\"x\"\")\","), std::string::npos);
}

// A column of the tests table is one row in TestColumns: the file's schema has each of them, and
// each reads back as it was written.
TEST_F(ResultsTest, EachColumnIsInTheFileAndReadsBackAsWritten)
{
    Recorder recorder;
    TwoAnswers(recorder); // a file of this program's schema
    std::set<std::string> inFile, declared;
    for (std::string row = Query("SELECT name FROM pragma_table_info('tests')") + ";";
         !row.empty(); row.erase(0, row.find(';') + 1))
        inFile.insert(row.substr(0, row.find(';')));
    for (const TestColumn& column : TestColumns)
        declared.insert(column.name);
    EXPECT_EQ(inFile, declared) << "a column missing from the schema's steps, or from TestColumns";

    TestRow written; // each column a value of its own
    for (size_t at = 0; at < std::size(TestColumns); ++at)
        std::visit(
            [&](auto field) {
                using Value = std::remove_reference_t<decltype(written.*field)>;
                if constexpr (std::is_same_v<Value, int64_t>)
                    written.*field = static_cast<int64_t>(100 + at);
                else if constexpr (std::is_same_v<Value, std::string>)
                    written.*field = "text " + std::to_string(at);
                else
                    written.*field = EndReason::Time;
            },
            TestColumns[at].field);
    ResultsStore store;
    ASSERT_TRUE(store.OpenForWriting());
    written.id = store.BeginTest(written).value_or(0);
    ASSERT_TRUE(store.EndTest(written));
    const std::vector<TestRow> read = store.Tests("text 3");
    ASSERT_EQ(read.size(), 1u);
    for (const TestColumn& column : TestColumns)
        EXPECT_EQ(StoredText(read[0], column), StoredText(written, column)) << column.name;
}
