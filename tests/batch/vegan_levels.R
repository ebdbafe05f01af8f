# Writes vegan's dune meadow table as dune.csv (stations as rows) and, for
# every pretreatment and linkage the comparison uses, the fusion heights of
# hclust on vegan's Bray-Curtis dissimilarities, one per line, as
# heights_<pretreatment>_<linkage>.txt. Run in the folder that receives them.
suppressPackageStartupMessages(library(vegan))
data(dune)
write.csv(dune, "dune.csv")
pretreated <- list(
  "sqrt" = sqrt(dune),
  "fourth-root" = dune^0.25,
  "standardise" = decostand(dune, "total"),
  "standardise-sqrt" = sqrt(decostand(dune, "total")))
for (name in names(pretreated)) {
  for (method in c("complete", "average")) {
    h <- sort(hclust(vegdist(pretreated[[name]]), method)$height)
    writeLines(formatC(h, digits = 9, format = "f"),
               paste0("heights_", name, "_", method, ".txt"))
  }
}
