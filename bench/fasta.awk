# The FASTA bytes of the benchmark's workloads, in one awk process: a header
# per file, every line ending in CR LF. (The workloads hold no NUL bytes and
# no empty files, which this program does not handle.)
BEGIN { RS = "\r\n|\r|\n"; ORS = "\r\n" }
FNR == 1 { print ">" FILENAME }
{ print }
