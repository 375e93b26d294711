import gc

import pytest

import lexcore5


def test_missing_file(tmp_path):
    with pytest.raises(lexcore5.OpenError) as raised:
        lexcore5.open(str(tmp_path / "missing.fdb"))
    assert isinstance(raised.value, lexcore5.Error)
    assert "no such file" in raised.value.message
    assert raised.value.store_code != 0


def test_file_that_is_no_database(tmp_path):
    junk = tmp_path / "junk.fdb"
    junk.write_bytes(b"not a database at all\n" * 100)
    with pytest.raises(lexcore5.OpenError):
        lexcore5.Database(str(junk))


def test_bad_codes_and_names(db, en):
    with pytest.raises(lexcore5.NotFoundError) as raised:
        db.language("zz")
    assert "EN" in str(raised.value).upper() and isinstance(raised.value, LookupError)
    concept = en.lookup("dog")[0]
    with pytest.raises(lexcore5.NotFoundError) as raised:
        concept.related("no such relation")
    assert raised.value.code != 0
    with pytest.raises(lexcore5.NotFoundError):
        concept.equivalents("zz")
    with pytest.raises(ValueError):
        en.words(start="a", pattern="b*")


def test_use_after_close_raises(db_path):
    with lexcore5.open(db_path) as db:
        en = db.language("en")
        concept = en.lookup("dog")[0]
        concepts = en.concepts()
        words = en.words()
        next(concepts), next(words)
        link = concept.links()[0]
    assert db.closed
    for use in (
        lambda: concept.words,
        lambda: concept.hyperonyms(),
        lambda: concept.export(),
        lambda: link.target.definition,
        lambda: next(concepts),
        lambda: next(words),
        lambda: en.lookup("cat"),
        lambda: en.base_forms("geese"),
        lambda: db.languages,
        lambda: db.relations,
    ):
        with pytest.raises(lexcore5.ClosedError):
            use()
    assert str(concept.id) in repr(concept)
    db.close()


def test_objects_keep_their_database_open(db_path):
    db = lexcore5.open(db_path)
    concept = db.language("en").lookup("cat")[0]
    del db
    gc.collect()
    assert "cat" in concept.words
