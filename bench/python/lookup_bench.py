#!/usr/bin/python3
"""Per-word time of a warm look-up on WordNet 3.0 from Python, for 2,000 lemmas: through the
lexcore5 module and through NLTK's WordNet reader on the same words in the same run.

Each look-up reads what the viewer's look-up reads: every meaning of the word with its words and
sense numbers, its gloss, and the words of its hyperonyms.

Usage: PYTHONPATH=build/python python3 bench/python/lookup_bench.py [DB.fdb [WORDNET_DIR [WORDS]]]
(defaults: wordnet.fdb, /usr/share/wordnet, 2000). The database is the one `make run` builds.
"""

import os
import statistics
import sys
import tempfile
import time
import warnings

import lexcore5

INDEX_FILES = ("index.noun", "index.verb", "index.adj", "index.adv")


def sample_lemmas(wordnet_dir, count):
    """`count` lemmas spread evenly over the index files, as the C++ look-up benchmark takes them."""
    lemmas = []
    for name in INDEX_FILES:
        with open(os.path.join(wordnet_dir, name), encoding="utf-8") as index:
            lemmas += [line.split(" ", 1)[0] for line in index if line[:1] not in ("", " ")]
    step = len(lemmas) / count
    return [lemmas[int(i * step)] for i in range(min(count, len(lemmas)))]


def measure(lemmas, lookup):
    """One pass to warm caches, then one timed pass: microseconds per word and meanings found."""
    for lemma in lemmas:
        lookup(lemma)
    micros, meanings = [], 0
    for lemma in lemmas:
        start = time.perf_counter()
        meanings += lookup(lemma)
        micros.append((time.perf_counter() - start) * 1e6)
    return micros, meanings


def lexcore5_lookup(english):
    def lookup(lemma):
        found = english.lookup(lemma.replace("_", " "))
        for concept in found:
            [(variant.literal, variant.sense) for variant in concept.variants]
            [record.gloss for record in concept.ili_records]
            for hyperonym in concept.hyperonyms():
                [(variant.literal, variant.sense) for variant in hyperonym.variants]
        return len(found)

    return lookup


def nltk_reader(wordnet_dir, scratch):
    """NLTK's reader over Debian's WordNet files. It insists on a lexnames file, which Debian does
    not ship; the look-up does not read it, so numbered names stand in."""
    from nltk.corpus.reader.wordnet import WordNetCorpusReader

    for name in os.listdir(wordnet_dir):
        os.symlink(os.path.join(wordnet_dir, name), os.path.join(scratch, name))
    with open(os.path.join(scratch, "lexnames"), "w", encoding="utf-8") as lexnames:
        lexnames.writelines(f"{n:02d}\tlexfile{n:02d}\t0\n" for n in range(45))
    with warnings.catch_warnings():
        # Its note that the multilingual functions need OMW data, which this comparison does not use.
        warnings.simplefilter("ignore", UserWarning)
        return WordNetCorpusReader(scratch, None)


def nltk_lookup(wordnet):
    def lookup(lemma):
        found = wordnet.synsets(lemma)
        for synset in found:
            [(lemma.name(), synset.lemmas().index(lemma) + 1) for lemma in synset.lemmas()]
            synset.definition()
            for hyperonym in synset.hypernyms() + synset.instance_hypernyms():
                [lemma.name() for lemma in hyperonym.lemmas()]
        return len(found)

    return lookup


def report(name, micros, meanings):
    p99 = statistics.quantiles(micros, n=100)[98]
    print(f"{name:<10} p50 {statistics.median(micros):8.1f} us  p99 {p99:8.1f} us  "
          f"mean {statistics.fmean(micros):8.1f} us  | meanings {meanings}")


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "wordnet.fdb"
    wordnet_dir = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/wordnet"
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 2000
    lemmas = sample_lemmas(wordnet_dir, count)
    print(f"{len(lemmas)} lemmas from {wordnet_dir}")
    try:
        with lexcore5.open(path) as db:
            report("lexcore5", *measure(lemmas, lexcore5_lookup(db.language("en"))))
    except lexcore5.Error as error:
        sys.exit(f"lookup_bench: {error}")
    try:
        with tempfile.TemporaryDirectory() as scratch:
            report("nltk", *measure(lemmas, nltk_lookup(nltk_reader(wordnet_dir, scratch))))
    except ImportError:
        print("nltk      not installed (Debian's python3-nltk)")


if __name__ == "__main__":
    main()
