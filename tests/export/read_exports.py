"""Reads a run's exports with the clients ecologists use, for the export tests.

    read_exports.py linkage PREFIX   scipy: validate, draw, list each row's leaves
    read_exports.py newick PREFIX    Bio.Phylo: tips, binary or not, node labels
    read_exports.py csv FILE         Python's csv module, rows as read
    read_exports.py json PREFIX      the run record, flattened to key paths

Every value goes out as one tab-separated line; a file a client refuses
ends the script with a traceback and a non-zero status.
"""
import csv
import json
import sys


def linkage(prefix):
    import numpy
    from scipy.cluster import hierarchy

    z = numpy.loadtxt(prefix + ".linkage.csv", delimiter=",", skiprows=1, ndmin=2)
    hierarchy.is_valid_linkage(z, throw=True, name="linkage.csv")
    drawn = hierarchy.dendrogram(z, no_plot=True)
    n = z.shape[0] + 1
    print("drawn\t%d" % len(drawn["leaves"]))
    leaves = {i: [i] for i in range(n)}
    for i, row in enumerate(z):
        leaves[n + i] = leaves[int(row[0])] + leaves[int(row[1])]
        print("row\t%d\t%s" % (i, " ".join(str(x) for x in sorted(leaves[n + i]))))


def newick(prefix):
    from Bio import Phylo

    tree = Phylo.read(prefix + ".nwk", "newick")
    tips = tree.get_terminals()
    print("tips\t%d" % len(tips))
    binary = all(len(c.clades) == 2 for c in tree.get_nonterminals())
    print("binary\t%s" % ("yes" if binary else "no"))
    for tip in tips:
        print("tip\t%s" % tip.name)
    # Post-order: children before parents, as the linkages were made.
    for clade in tree.find_clades(order="postorder"):
        if clade.is_terminal():
            continue
        label = clade.confidence if clade.confidence is not None else clade.name
        print("node\t%s\t%s" % ("" if label is None else repr(float(label)),
                                " ".join(sorted(t.name for t in clade.get_terminals()))))


def read_csv(path):
    with open(path, newline="") as f:
        for row in csv.reader(f):
            print("\t".join(row))


def flatten(prefix, value):
    if isinstance(value, dict):
        for key, inner in value.items():
            flatten(prefix + ("." if prefix else "") + key, inner)
    else:
        print("%s\t%s" % (prefix, json.dumps(value)))


def record(prefix):
    with open(prefix + ".run.json") as f:
        flatten("", json.load(f))


if __name__ == "__main__":
    what, target = sys.argv[1], sys.argv[2]
    {"linkage": linkage, "newick": newick, "csv": read_csv, "json": record}[what](target)
