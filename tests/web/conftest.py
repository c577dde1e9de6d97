"""The page's pytest suites share these: the engine, the built site, the
one-file page and the screenshots' folder from the command line, the site on a
web server, one browser and one page in it for each suite."""
import os
import sys

import pytest

sys.path.insert(0, os.path.dirname(__file__))
from browsers import Browser, serve, stop  # noqa: E402


def pytest_addoption(parser):
    parser.addoption("--engine", default="chromium", help="chromium, webkit or firefox")
    parser.addoption("--site", help="the built site's folder")
    parser.addoption("--one-file", help="the one-file page")
    parser.addoption("--shots", help="where the screenshots go")


@pytest.fixture(scope="session")
def site(request):
    return request.config.getoption("--site")


@pytest.fixture(scope="session")
def one_file(request):
    return os.path.abspath(request.config.getoption("--one-file"))


@pytest.fixture(scope="session")
def shots(request):
    folder = request.config.getoption("--shots")
    os.makedirs(folder, exist_ok=True)
    return folder


@pytest.fixture(scope="module")
def server(site):
    served, url = serve(site)
    served.url = url
    yield served
    stop(served)


@pytest.fixture(scope="module")
def url(server):
    return server.url


@pytest.fixture(scope="session")
def engine(request):
    return request.config.getoption("--engine")


@pytest.fixture(scope="module")
def browser(engine):
    opened = Browser(engine)
    yield opened
    opened.close()


def needs(page, what, width=0, touch=False, devtools=False):
    """Skips a test, by name, where its engine cannot do what it needs."""
    reason = page.cannot(width, touch)
    if devtools and page.engine != "Chromium":
        reason = "only Chromium's DevTools protocol can do it"
    if reason:
        pytest.skip("%s: %s" % (what, reason))


@pytest.fixture(scope="module")
def page(browser, url):
    tab = browser.new_page(800, 600)
    tab.url = url
    tab.open(url)
    return tab
