#include "commands/command_table.h"

#include <array>

#include "commands/axes_commands.h"
#include "commands/bar_commands.h"
#include "commands/chart_commands.h"
#include "commands/data_commands.h"
#include "commands/document_commands.h"
#include "commands/line_commands.h"
#include "commands/log_commands.h"
#include "commands/options_command.h"
#include "commands/pie_commands.h"
#include "commands/reference_line_commands.h"
#include "commands/text_commands.h"
#include "platform/compare.h"
#include "platform/encoding.h"

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
    {"format", FormatCommand},
    {"resolution", ResolutionCommand},
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
    {"chart", ChartCommand},
    {"datasort", DataSortCommand},
    {"dataseparator", DataSeparatorCommand},
    {"datum", DatumCommand},
    {"datum2", DatumNCommand<2>},
    {"datum3", DatumNCommand<3>},
    {"datum4", DatumNCommand<4>},
    {"datum5", DatumNCommand<5>},
    {"datum6", DatumNCommand<6>},
    {"datum7", DatumNCommand<7>},
    {"datum8", DatumNCommand<8>},
    {"datum9", DatumNCommand<9>},
    {"datum10", DatumNCommand<10>},
    {"dataset", DatasetCommand},
    {"DatasetHeader", DatasetHeaderCommand},
    {"DatasetColumns", DatasetColumnsCommand},
    {"chartbackground", ChartBackgroundCommand},
    {"page", PageCommand},
    {"pagemargin", PageMarginCommand},
    {"chartheading", ChartHeadingCommand},
    {"headingtitle", HeadingTitleCommand},
    {"headingsubtitle", HeadingSubTitleCommand},
    {"axeslabelx", AxesLabelXCommand},
    {"axeslabely", AxesLabelYCommand},
    {"axescaptionx", AxesCaptionXCommand},
    {"axescaptiony", AxesCaptionYCommand},
    {"axesline", AxesLineCommand},
    {"axesscale", AxesScaleCommand},
    {"axesdivisions", AxesDivisionsCommand},
    {"labelspacing", LabelSpacingCommand},
    {"categorylabelangle", CategoryLabelAngleCommand},
    {"decimalpoints", DecimalPointsCommand},
    {"axesgridlinestyle", AxesGridLineStyleCommand},
    {"axesgridline", AxesGridLineCommand},
    {"barcolor", BarColorCommand},
    {"barcolour", BarColorCommand},
    {"barspacing", BarSpacingCommand},
    {"barsize", BarSizeCommand},
    {"barlabel", BarLabelCommand},
    {"barborder", BarBorderCommand},
    {"barbase", BarBaseCommand},
    {"barseries", BarSeriesCommand},
    {"piecolor", PieColorCommand},
    {"piecolour", PieColorCommand},
    {"pieoutlinecolor", PieOutlineColorCommand},
    {"pieoutlinecolour", PieOutlineColorCommand},
    {"piepagemargin", PiePageMarginCommand},
    {"pielabel", PieLabelCommand},
    {"legend", LegendCommand},
    {"DataSeriesLegend", DataSeriesLegendCommand},
    {"axeslabelYposition", AxesLabelYPositionCommand},
    {"line", LineCommand},
    {"DataSeriesLabel", DataSeriesLabelCommand},
    {"LineMarker", LineMarkerCommand},
    {"lineofbestfit", LineOfBestFitCommand},
    {"averageline", AverageLineCommand},
    {"TargetLine", TargetLineCommand},
    {"MovingAverageLine", MovingAverageLineCommand},
    {"MovingAverageMarker", MovingAverageMarkerCommand},
    {"area", AreaCommand},
    {"outlinetitle", OutlineTitleCommand},
    {"font", FontCommand},
};

}  // namespace

CommandHandler FindCommand(std::string_view word) {
  // An ASCII word equals only a name of its own length: that passes over most names at once.
  const bool ascii = IsAscii(word);
  for (const CommandEntry& entry : kCommands) {
    if (ascii && std::string_view(entry.name).size() != word.size()) continue;
    if (EqualsNoCase(word, entry.name)) return entry.handler;
  }
  return nullptr;
}

}  // namespace corvane
