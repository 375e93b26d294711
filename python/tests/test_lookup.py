import lexcore5


def dog(en):
    return next(c for c in en.lookup("dog") if c.part_of_speech == "n" and "domestic dog" in c.words)


def test_languages_by_code(db):
    codes = [language.code.upper() for language in db.languages]
    assert codes[0] == "EN" and {"NL", "FR"} <= set(codes)
    assert db.language("fr").code.upper() == "FR"


def test_lookup_answers_with_variants_and_definition(en):
    concept = dog(en)
    assert concept.words[:2] == ["dog", "domestic dog"]
    assert "domesticated" in concept.definition
    first = concept.variants[0]
    assert (first.literal, first.sense) == ("dog", 1)
    assert any("barked" in example for variant in concept.variants for example in variant.examples)
    assert concept == next(c for c in en.concepts("dog") if c.id == concept.id)
    assert len({concept, dog(en)}) == 1


def test_base_form_fallback(en):
    assert en.base_forms("geese") == ["goose"]
    assert en.base_forms("ran", 2) == ["run"]
    assert en.lookup("geese", exact=True) == []
    found = en.lookup("geese")
    assert found and all("goose" in concept.words for concept in found)
    assert en.lookup("xqzzy") == []


def test_words_with_wildcard_characters_are_words(en):
    assert en.lookup("do*") == [] and en.lookup("d?g") == []
    assert list(en.concepts("do*")) == []
    assert en.lookup("dog") == list(en.concepts("DOG"))


def test_relations_and_hyperonym_paths(db, en):
    concept = dog(en)
    hyperonyms = concept.hyperonyms()
    assert {"canine", "domestic animal"} <= {word for c in hyperonyms for word in c.words}
    name = next(link.relation for link in concept.links() if link.target in hyperonyms)
    assert name in db.relations
    assert set(concept.related(name)) == set(hyperonyms)
    assert all(link.relation == name for link in concept.links(name))
    assert concept in hyperonyms[0].hyponyms()
    paths = concept.hyperonym_paths()
    assert len(paths) == 2
    for path in paths:
        assert "entity" in path[0].words and path[-1] == concept
        assert all(path[i] in path[i + 1].hyperonyms() for i in range(len(path) - 1))


def test_ili_records_and_equivalents(en):
    concept = dog(en)
    (record,) = concept.ili_records
    assert record.offset == 2084071 and record.part_of_speech == "n"
    dutch = concept.equivalents("nl")
    assert "hond" in {word for c in dutch for word in c.words}
    assert {c.language.code.upper() for c in concept.equivalents()} == {"NL", "FR"}
    assert concept in dutch[0].equivalents("en")


def test_dictionary_browse(en):
    words = en.words(start="dog")
    assert next(words) == "dog"
    assert next(words) != "dog"
    matches = list(en.words(pattern="dogwoo?"))
    assert matches == ["dogwood"]
    assert sum(1 for _ in en.words(pattern="doghouse*")) >= 1


def test_export_text(en):
    text = dog(en).export()
    assert "dog" in text and "\r\n" in text


def test_links_name_their_relations(db, en):
    links = dog(en).links()
    assert links and all(db.relations[link.relation] == link.relation_id for link in links)
    assert all(link.target.language.code == en.code for link in links)


def test_iterators_end_as_python_expects(en):
    words = en.words(pattern="xqzz*")
    assert iter(words) is words and list(words) == []
    concepts = en.concepts("goose")
    assert len(list(concepts)) == 6  # three nouns, three verbs
    assert next(concepts, None) is None
