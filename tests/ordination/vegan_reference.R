# Writes one of vegan's data sets as the program's data file (every sample
# its own group) and vegan's own ordination of it, for the agreement test.
# Usage: Rscript vegan_reference.R DATASET FOLDER
#   FOLDER/DATASET.txt     the data file
#   FOLDER/DATASET.vegan   stress on the first line, then one "axis1 axis2"
#                          line per sample
args <- commandArgs(trailingOnly = TRUE)
name <- args[1]
folder <- args[2]
suppressPackageStartupMessages(library(vegan))
data(list = name, package = "vegan", envir = environment())
x <- as.matrix(get(name))

lines <- c(paste0('"', name, '"'),
           paste0(nrow(x), ", ", ncol(x)),
           paste(c('"STATION"', paste0('"', colnames(x), '"')), collapse = ","))
for (i in seq_len(nrow(x)))
    lines <- c(lines, paste(c(paste0('"S', rownames(x)[i], '"'), format(x[i, ], scientific = FALSE,
                                                                         trim = TRUE)),
                            collapse = " "))
lines <- c(lines, nrow(x), paste(rep(1, nrow(x)), collapse = " "))
writeLines(lines, file.path(folder, paste0(name, ".txt")))

set.seed(1)
m <- metaMDS(x, distance = "bray", k = 2, trymax = 20, autotransform = FALSE, trace = 0)
writeLines(c(format(m$stress, digits = 15),
             apply(scores(m, display = "sites"), 1, paste, collapse = " ")),
           file.path(folder, paste0(name, ".vegan")))
