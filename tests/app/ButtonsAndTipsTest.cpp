#include <QHelpEvent>
#include <QIcon>
#include <QImage>
#include <QToolTip>
#include <QUrl>

#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using ButtonsAndTipsTest = WindowTest;

constexpr std::array<std::pair<const char*, const char*>, 11> kButtonIcons = {{
    {"BitBtnBack", "go-previous"},
    {"BitBtnNext", "go-next"},
    {"BitBtnLoad", "document-open"},
    {"BitBtnSave", "document-save"},
    {"BitBtnClose", "window-close"},
    {"BitBtnStart", "system-run"},
    {"BitBtnExport", "document-save-as"},
    {"BitBtnPrint", "document-print"},
    {"BitBtnPreview", "document-print-preview"},
    {"BitBtnEnvelopes", "document-print"},
    {"BitBtnClipboard", "edit-copy"},
}};

// How many pixels of the picture are not transparent.
int DrawnPixels(const QIcon& icon) {
  const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
  }
  return drawn;
}

// A desktop theme that has one icon, edit-copy, for the time of a test.
class OneIconTheme {
 public:
  OneIconTheme() : paths_(QIcon::themeSearchPaths()), name_(QIcon::themeName()) {
    const QString folder = root_.filePath(QStringLiteral("one-icon/16x16/actions"));
    QDir().mkpath(folder);
    QFile index(root_.filePath(QStringLiteral("one-icon/index.theme")));
    index.open(QIODevice::WriteOnly);
    index.write(
        "[Icon Theme]\nName=one-icon\nDirectories=16x16/actions\n\n"
        "[16x16/actions]\nSize=16\nType=Fixed\n");
    index.close();
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    picture.save(folder + QStringLiteral("/edit-copy.png"));
    QIcon::setThemeSearchPaths({root_.path()});
    QIcon::setThemeName(QStringLiteral("one-icon"));
  }
  ~OneIconTheme() {
    QIcon::setThemeSearchPaths(paths_);
    QIcon::setThemeName(name_);
  }

 private:
  QTemporaryDir root_;
  QStringList paths_;
  QString name_;
};

TEST_F(ButtonsAndTipsTest, ButtonsShowTheThemesIconsAndTheirOwnWhereTheThemeHasNone) {
  const OneIconTheme theme;
  OpenQuietly();
  for (const auto& [button, icon_name] : kButtonIcons) {
    const QIcon icon = Find<QPushButton>(button)->icon();
    EXPECT_GT(DrawnPixels(icon), 16) << button;
    // The theme's icon carries its name; the program's own is a picture without one.
    EXPECT_EQ(icon.name(), QString::fromLatin1(icon_name) == QStringLiteral("edit-copy")
                               ? QStringLiteral("edit-copy")
                               : QString())
        << button;
  }
}

TEST_F(ButtonsAndTipsTest, AHeadingCutToItsColumnShowsWholeAsATooltip) {
  OpenQuietly();
  Click("CheckBoxZentren");
  Type("EditZentren", QStringLiteral("2"));
  ClickTab(Page::Centres);
  ASSERT_EQ(ActivePage(), Index(Page::Centres));
  auto* centres = Find<QTableView>("StringGridZentren");
  const auto tip_at = [centres](int column) {
    const QPoint at = centres->visualRect(centres->model()->index(0, column)).center();
    QHelpEvent help(QEvent::ToolTip, at, centres->viewport()->mapToGlobal(at));
    QApplication::sendEvent(centres->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  QToolTip::hideText();
  ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
  EXPECT_EQ(tip_at(kCentreNumberColumn), QString());  // "Nummer" fits
  EXPECT_EQ(tip_at(kCentreSampleSizeColumn), QStringLiteral("Geplante Fallzahl"));
  QToolTip::hideText();
}

TEST_F(ButtonsAndTipsTest, TheInfoLinkOpensTheReadmeAtHandWhenItsFileIsNotThere) {
  WriteFileBytes(FilePath("README.md"), "# Zufora\n");
  OpenWithLanguageFile(
      "[FormZufora]\r\n"
      "FormZufora.LabelWWW.Caption=file:///gibt/es/nicht/README.md\r\n");
  Tabs()->setCurrentIndex(Index(Page::Info));
  Click("LabelWWW");
  ASSERT_EQ(shell_.Addresses().size(), 1u);
  EXPECT_EQ(shell_.Addresses()[0], QUrl::fromLocalFile(FilePath("README.md")).toString());
}

TEST_F(ButtonsAndTipsTest, TheInfoLinkOpensAWebAddressAsItStands) {
  OpenWithLanguageFile("[FormZufora]\r\nFormZufora.LabelWWW.Caption=https://zufora.example/\r\n");
  Tabs()->setCurrentIndex(Index(Page::Info));
  Click("LabelWWW");
  ASSERT_EQ(shell_.Addresses().size(), 1u);
  EXPECT_EQ(shell_.Addresses()[0], QStringLiteral("https://zufora.example/"));
}

}  // namespace
}  // namespace zufora::testing
