#include <sstream>

#include "CliFixture.h"

namespace zufora::cli::testing {
namespace {

// The command line finds its language file where the window does: the user's own file,
// the user's choice, the program's file.
class LanguageLookup : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    std::filesystem::create_directories(folder_ / "bin");
    std::filesystem::create_directories(folder_ / "home" / ".config" / "zufora");
  }

  CliRun CliAsUser(const std::vector<std::string>& arguments) const {
    std::ostringstream out;
    std::ostringstream err;
    const CalendarClock clock = [] { return std::int64_t{1700000000}; };
    ProgramContext context;
    context.language_places =
        LanguagePlaces{.executable_folder = folder_ / "bin",
                       .environment = {.home = (folder_ / "home").string(), .xdg_config_home = ""}};
    const int status = RunZuforaCli(arguments, out, err, clock, context);
    return {status, out.str(), err.str()};
  }

  static std::string BlockWordFile(const std::string& word, const std::string& language) {
    return "[Language]\r\nCode=xx\r\nName=" + language +
           "\r\n[FormLang]\r\nFormLang.LabelBlock.Caption=" + word + "\r\n";
  }
};

TEST_F(LanguageLookup, TheUsersFileGoesFirstAndIsNamedTheProgramsIsUsedQuietly) {
  const std::string design = Example("worked-example.zfd");
  const CliRun built_in = CliAsUser({"generate", design});
  ASSERT_EQ(built_in.status, kExitComplete) << built_in.err;
  EXPECT_NE(built_in.out.find("------- Block ------"), std::string::npos);
  EXPECT_EQ(built_in.err, "");

  Write("bin/ZuforaLang.ini", BlockWordFile("Abschnitt", "Programm"));
  const CliRun program = CliAsUser({"generate", design});
  EXPECT_NE(program.out.find("------- Abschnitt ------"), std::string::npos);
  EXPECT_EQ(program.err, "");

  Write("bin/ZuforaLang.es.ini", BlockWordFile("Bloque", "Espa\xF1ol"));
  Write("home/.config/zufora/settings.ini", "[Language]\r\nFile=ZuforaLang.es.ini\r\n");
  const CliRun chosen = CliAsUser({"report", design});
  EXPECT_EQ(chosen.status, kExitComplete);
  EXPECT_EQ(
      chosen.err.rfind("zufora-cli: texts from the language file " +
                           (folder_ / "bin" / "ZuforaLang.es.ini").string() + " (Espa\xC3\xB1ol)\n",
                       0),
      0u)
      << chosen.err;

  const std::string own =
      Write("home/.config/zufora/ZuforaLang.ini", BlockWordFile("Teil", "Eigen"));
  const CliRun user = CliAsUser({"generate", design});
  EXPECT_NE(user.out.find("------- Teil ------"), std::string::npos);
  EXPECT_EQ(user.err, "zufora-cli: texts from the language file " + own + " (Eigen)\n");

  // --lang goes before all of them, and no lookup is named.
  const CliRun given =
      CliAsUser({"generate", design, "--lang", (folder_ / "bin" / "ZuforaLang.ini").string()});
  EXPECT_NE(given.out.find("------- Abschnitt ------"), std::string::npos);
  EXPECT_EQ(given.err, "");
}

TEST_F(LanguageLookup, AFoundFileThatCannotBeReadStopsTheCommand) {
  Write("home/.config/zufora/ZuforaLang.ini", std::string(5 * 1024 * 1024, 'x'));
  const CliRun run = CliAsUser({"generate", Example("worked-example.zfd")});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("ZuforaLang.ini"), std::string::npos) << run.err;
}

// The language file written names its language; the built-in one is German.
TEST_F(LanguageLookup, WrittenLanguageFilesNameTheirLanguage) {
  const std::string german = (folder_ / "de.ini").string();
  ASSERT_EQ(CliAsUser({"write-language-file", german}).status, kExitComplete);
  EXPECT_NE(ReadBytes(german).find("\r\n[Language]\r\nCode=de\r\nName=Deutsch\r\n\r\n[FormZufora]"),
            std::string::npos);
  const std::string english = (folder_ / "en.ini").string();
  const std::string shipped =
      (std::filesystem::path(ZUFORA_LANG_DIR) / "ZuforaLang.en.ini").string();
  ASSERT_EQ(CliAsUser({"write-language-file", english, "--lang", shipped}).status, kExitComplete);
  EXPECT_NE(ReadBytes(english).find("[Language]\r\nCode=en\r\nName=English\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace zufora::cli::testing
