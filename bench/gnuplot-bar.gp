# gnuplot's equivalent of the typical bar chart: an 800 x 600 point page, the title in
# 18-point Times, and two filled bars in their colours from zero, with no axes, as Corvane
# draws it when no axes are asked for. Run in the benchmark's folder.
set terminal pdfcairo size 800/72.0,600/72.0 font "Times,10"
set output "gnuplot.pdf"
set title "Sales" font "Times,18"
set style fill solid noborder
set boxwidth 0.95
set yrange [0:*]
unset border
unset tics
unset key
plot "bar.dat" using 0:2:3 with boxes lc rgb variable
