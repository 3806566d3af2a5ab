// The document commands: where the PDF goes and whether it is opened, its information
// entries, creation date, outline, passwords and permissions, and how a viewer first shows
// it. They only store settings; the document builder applies them.
#pragma once

namespace corvane {

struct Run;

// One text argument each.
const char* OutputCommand(Run& run, const char* args);
const char* ProducerCommand(Run& run, const char* args);
const char* CreatorCommand(Run& run, const char* args);
const char* AuthorCommand(Run& run, const char* args);
const char* TitleCommand(Run& run, const char* args);
const char* SubjectCommand(Run& run, const char* args);
const char* KeywordsCommand(Run& run, const char* args);
const char* OutlineTitleCommand(Run& run, const char* args);
const char* OwnerPasswordCommand(Run& run, const char* args);
const char* UserPasswordCommand(Run& run, const char* args);

// No argument: each sets a flag, adds a bit or stores a value.
const char* OpenPdfCommand(Run& run, const char* args);
const char* CreationDateCommand(Run& run, const char* args);
const char* OutlineCommand(Run& run, const char* args);
const char* PrintCommand(Run& run, const char* args);
const char* EditExtraCommand(Run& run, const char* args);
const char* CopyCommand(Run& run, const char* args);
const char* EditCommand(Run& run, const char* args);
const char* HideToolbarCommand(Run& run, const char* args);
const char* HideMenubarCommand(Run& run, const char* args);
const char* HideWindowUiCommand(Run& run, const char* args);
const char* FitWindowCommand(Run& run, const char* args);
const char* CenterWindowCommand(Run& run, const char* args);
const char* PageModeUseNoneCommand(Run& run, const char* args);
const char* PageModeOutlinesCommand(Run& run, const char* args);
const char* PageModeUseThumbsCommand(Run& run, const char* args);
const char* PageModeFullScreenCommand(Run& run, const char* args);
const char* PageLayoutSinglePageCommand(Run& run, const char* args);
const char* PageLayoutOneColumnCommand(Run& run, const char* args);
const char* PageLayoutTwoColumnLeftCommand(Run& run, const char* args);
const char* PageLayoutTwoColumnRightCommand(Run& run, const char* args);

}  // namespace corvane
