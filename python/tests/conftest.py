import os

import pytest

import lexcore5


@pytest.fixture(scope="session")
def db_path():
    path = os.environ.get("TEST_WORDNET_DB", "build/test-wordnet.fdb")
    if not os.path.exists(path):
        pytest.skip("no WordNet test database (WordNet 3.0 is not installed)")
    return path


@pytest.fixture
def db(db_path):
    with lexcore5.open(db_path) as database:
        yield database


@pytest.fixture
def en(db):
    return db.language("en")
