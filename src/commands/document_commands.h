// The document commands: where the document goes, in which format, and whether it is opened;
// its information entries, creation date, outline, passwords and permissions, and how a
// viewer first shows it. They only store settings; the document builders apply them.
#pragma once

namespace corvane {

struct CommandContext;

// One text argument each.
const char* OutputCommand(CommandContext& run, const char* args);
const char* ProducerCommand(CommandContext& run, const char* args);
const char* CreatorCommand(CommandContext& run, const char* args);
const char* AuthorCommand(CommandContext& run, const char* args);
const char* TitleCommand(CommandContext& run, const char* args);
const char* SubjectCommand(CommandContext& run, const char* args);
const char* KeywordsCommand(CommandContext& run, const char* args);
const char* OutlineTitleCommand(CommandContext& run, const char* args);
const char* OwnerPasswordCommand(CommandContext& run, const char* args);
const char* UserPasswordCommand(CommandContext& run, const char* args);

// No argument: each sets a flag, adds a bit or stores a value.
const char* OpenPdfCommand(CommandContext& run, const char* args);
const char* CreationDateCommand(CommandContext& run, const char* args);
const char* OutlineCommand(CommandContext& run, const char* args);
const char* PrintCommand(CommandContext& run, const char* args);
const char* EditExtraCommand(CommandContext& run, const char* args);
const char* CopyCommand(CommandContext& run, const char* args);
const char* EditCommand(CommandContext& run, const char* args);
const char* HideToolbarCommand(CommandContext& run, const char* args);
const char* HideMenubarCommand(CommandContext& run, const char* args);
const char* HideWindowUiCommand(CommandContext& run, const char* args);
const char* FitWindowCommand(CommandContext& run, const char* args);
const char* CenterWindowCommand(CommandContext& run, const char* args);
const char* PageModeUseNoneCommand(CommandContext& run, const char* args);
const char* PageModeOutlinesCommand(CommandContext& run, const char* args);
const char* PageModeUseThumbsCommand(CommandContext& run, const char* args);
const char* PageModeFullScreenCommand(CommandContext& run, const char* args);
const char* PageLayoutSinglePageCommand(CommandContext& run, const char* args);
const char* PageLayoutOneColumnCommand(CommandContext& run, const char* args);
const char* PageLayoutTwoColumnLeftCommand(CommandContext& run, const char* args);
const char* PageLayoutTwoColumnRightCommand(CommandContext& run, const char* args);

// The output's format (PDF, PNG or SVG) whatever its name ends in, and a PNG's pixels per inch.
const char* FormatCommand(CommandContext& run, const char* args);
const char* ResolutionCommand(CommandContext& run, const char* args);

}  // namespace corvane
