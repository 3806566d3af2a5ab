# gnuplot's equivalent of the 1000-item, 10-series curved line chart: splines with a marker on
# every point, a series key below, grid lines, and the average, target, ten-item moving average
# (with markers) and best-fit lines. line.dat columns: item, ten series, item mean, moving average.
set terminal pdfcairo size 800/72.0,600/72.0 font "Helvetica,8"
set output "gnuplot.pdf"
set title "Ten series\n1000 items" font "Times,18"
set key below horizontal
set grid
stats "line.dat" using 1:12 nooutput
plot for [s=2:11] "line.dat" using 1:s smooth csplines lw 1 lc s-1 title sprintf("S%d", s-1), \
     for [s=2:11] "line.dat" using 1:s with points pt (s % 7) + 1 ps 0.3 lc s-1 notitle, \
     STATS_mean_y lw 1 lc rgb "#7F7F7F" title "Average", \
     60 lw 1 lc rgb "#D62728" title "Target 60", \
     "line.dat" using 1:13 with linespoints lw 1.5 pt 13 ps 0.3 lc rgb "#9467BD" title "Moving average", \
     STATS_intercept + STATS_slope * x lw 1 lc rgb "#8C564B" title "Best fit"
