#include "commands/command_table.h"

#include <array>

#include "commands/document_commands.h"
#include "commands/log_commands.h"
#include "commands/options_command.h"
#include "platform/compare.h"

namespace corvane {
namespace {

struct CommandEntry {
  const char* name;
  CommandHandler handler;
};

// Every command word, in the order they are tried. Pairs such as barcolor and barcolour
// are two names of one command.
constexpr CommandEntry kCommands[] = {
    {"options", OptionsCommand},
    {"log", LogCommand},
    {"errors", ErrorsCommand},
    {"output", OutputCommand},
    {"openpdf", OpenPdfCommand},
    {"producer", ProducerCommand},
    {"creator", CreatorCommand},
    {"author", AuthorCommand},
    {"title", TitleCommand},
    {"subject", SubjectCommand},
    {"keywords", KeywordsCommand},
    {"creationdate", CreationDateCommand},
    {"outline", OutlineCommand},
    {"edit", EditCommand},
    {"editextra", EditExtraCommand},
    {"copy", CopyCommand},
    {"print", PrintCommand},
    {"ownerpassword", OwnerPasswordCommand},
    {"userpassword", UserPasswordCommand},
    {"centerwindow", CenterWindowCommand},
    {"hidetoolbar", HideToolbarCommand},
    {"hidemenubar", HideMenubarCommand},
    {"hidewindowUI", HideWindowUiCommand},
    {"fitwindow", FitWindowCommand},
    {"pagemodeoutlines", PageModeOutlinesCommand},
    {"pagemodeusenone", PageModeUseNoneCommand},
    {"pagemodeusethumbs", PageModeUseThumbsCommand},
    {"pagemodefullscreen", PageModeFullScreenCommand},
    {"pagelayoutsinglepage", PageLayoutSinglePageCommand},
    {"pagelayoutonecolumn", PageLayoutOneColumnCommand},
    {"pagelayouttwocolumnleft", PageLayoutTwoColumnLeftCommand},
    {"pagelayouttwocolumnright", PageLayoutTwoColumnRightCommand},
    {"outlinetitle", OutlineTitleCommand},
};

}  // namespace

CommandHandler FindCommand(std::string_view word) {
  for (const CommandEntry& entry : kCommands) {
    if (EqualsNoCase(word, entry.name)) return entry.handler;
  }
  return nullptr;
}

}  // namespace corvane
