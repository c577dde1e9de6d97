#!/usr/bin/python3
"""Makes the page's site and its one-file page from the description of the
site (web/site.json), the design's facts (tools/facts) and what the build made
before: the first frame the design wrote (tools/first_frame), the program, the
font and the icons in the site's folder. Each file is made whole from its
template, in one go, its names taken from the description; the page's own
scripts and style sheet go without their comments, which are for the readers
of the source, not for every visit's download.

- The site's page: the first frame, its style sheet inline and the scripts that
  keep presses on it and start the program after the first paint, each allowed
  by its hash in the Content-Security-Policy. The page carries the build's name,
  a hash of every file of the site, with which it asks for its start script: a
  browser holding an older build's script fetches the new one.
- The list of the build's files, for the service worker, which keeps them for a
  visit with no network: the page once, as the site's folder.
- The manifest, for a phone's home screen.
- The one file: the same page with the font and the program inside it, which
  opens from a folder or a USB stick (file://): no manifest, no service worker.

Usage: site.py DESCRIPTION FACTS FIRST_FRAME WEB_DIR SITE_DIR ONE_FILE_PROGRAM ONE_FILE_DIR
(the one file goes into ONE_FILE_DIR, and beside it page-design.css, the style
the design wrote, for the compatibility linter)
"""
import base64
import hashlib
import html
import json
import os
import re
import sys
from string import Template

FOLDER = "./"  # the site's folder, as the worker keeps its page
# The browsers the page supports, by browserslist's names, as a pupil knows them.
BROWSERS = {"chrome": "Chrome", "edge": "Edge", "firefox": "Firefox", "safari": "Safari",
            "ios_saf": "Safari на iPhone и iPad", "samsung": "Samsung Internet"}


def browsers(queries):
    """The oldest of each supported browser, from the browserslist ("chrome >= 109")."""
    return ", ".join("%s %s" % (BROWSERS[name], version)
                     for name, _, version in (query.split() for query in queries))


def csp_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()


def policy(directives, **inline):
    """A Content-Security-Policy, its inline texts allowed by their hashes."""
    return Template("; ".join(directives)).substitute(
        {name: csp_hash(text) for name, text in inline.items()})


def plain(path, names):
    """One of the page's own files without comments (lines that are only a //
    comment, and every /* ... */ comment) and without the lines' indents, the
    site's file names in their places; no comment stands inside a string."""
    text = open(path, encoding="utf-8").read()
    text = re.sub(r"[ \t]*/\*.*?\*/[ \t]*\n?", "", text, flags=re.S)
    text = re.sub(r"^[ \t]*//.*\n", "", text, flags=re.M)
    return Template(unindented(text)).substitute(names)


def unindented(text):
    return re.sub(r"^[ \t]+", "", text, flags=re.M)


def face(frame, url, display):
    """The page's own font, only where the device has no face of its own."""
    sources = ["local(\"%s\")" % name for name in frame["font_local"]]
    return ('@font-face { font-family: "%s"; src: %s, url(%s) format("woff2"); font-display: %s; }\n'
            % (frame["font_family"], ", ".join(sources), url, display))


def digest(site, names, page):
    hashed = hashlib.sha256()
    for name, content in [(name, open(os.path.join(site, name), "rb").read()) for name in names] + [
            (FOLDER, page.encode())]:
        hashed.update(name.encode() + b"\0")
        hashed.update(content)
    return hashed.hexdigest()[:16]


def write(path, text):
    open(path, "w", encoding="utf-8").write(text)


def main(description, facts_file, first_frame, web, site, one_file_program, one_file_dir):
    about = json.load(open(description, encoding="utf-8"))
    facts = json.load(open(facts_file, encoding="utf-8"))
    frame = json.load(open(first_frame, encoding="utf-8"))
    names = {key: value for key, value in about.items() if isinstance(value, str)}
    tools = json.load(open(os.path.join(os.path.dirname(description), "..", "package.json"),
                           encoding="utf-8"))
    names["browsers"] = browsers(tools["browserslist"])
    sheet = plain(os.path.join(web, about["style"]), dict(names, form=facts["form"]))
    template = Template(open(os.path.join(web, about["page"]), encoding="utf-8").read())

    def page(links, build, script, style, directives):
        return template.substitute(
            policy=policy(directives, script=script, style=style), links=links, build=build,
            script=script, style=style, frame=frame["frame"], caption=facts["caption"],
            window_colour=facts["window_colour"], turn=html.escape(facts["turn_the_phone"]),
            description=html.escape(facts["summary"]))

    early = plain(os.path.join(web, about["early"]), names)  # keeps the presses on the first frame
    boot = early + plain(os.path.join(web, about["boot"]), names)
    for name in (about["start"], about["worker"]):
        write(os.path.join(site, name), plain(os.path.join(web, name), names))
    # The design's fit for a script, for the browsers that fetch it.
    write(os.path.join(site, about["fit"]), "const fitToScreen = %s;\n" % unindented(frame["fit"]) +
          plain(os.path.join(web, about["fit"]), names))
    icons = about["icons"]
    write(os.path.join(site, about["manifest"]), json.dumps(dict(
        name=facts["title"], short_name=facts["title"], description=facts["summary"],
        **about["app"], background_color=facts["window_colour"],
        theme_color=facts["window_colour"],
        icons=[{"src": icon["file"], "sizes": "%dx%d" % (icon["size"], icon["size"]),
                "type": "image/png"} for icon in icons]), ensure_ascii=False) + "\n")

    style = sheet + face(frame, about["font"], "swap") + frame["style"]
    # The style the design wrote, as it ships, for the compatibility linter.
    write(os.path.join(one_file_dir, "page-design.css"), face(frame, about["font"], "swap") +
          frame["style"])
    links = '<link rel="manifest" href="%s">\n<link rel="icon" href="%s">\n' % (
        about["manifest"], icons[0]["file"])
    # Every file of the site but the worker and its list, the page as the
    # site's folder; the font and the fit only once a page has asked for them:
    # on a device with no face of its own, in a browser that needs the fit.
    kept = [about[name] for name in ("start", "program", "wasm", "manifest")] + [
        icon["file"] for icon in icons]
    later = [about["font"], about["fit"]]
    build = digest(site, kept + later, page(links, "", boot, style, about["policy"]["site"]))
    write(os.path.join(site, about["page"]),
          page(links, ' data-build="%s"' % build, boot, style, about["policy"]["site"]))
    write(os.path.join(site, about["list"]),
          json.dumps({"build": build, "page": FOLDER, "files": kept, "later": later}) + "\n")

    # The font inside the file, there from the start where the device has no face of its own.
    font = base64.b64encode(open(os.path.join(site, about["font"]), "rb").read()).decode()
    style = sheet + face(frame, "data:font/woff2;base64," + font, "block") + frame["style"]
    # Run once the page has loaded, as start.js runs it on the site: a screen
    # reader keeps quiet about a focus given while the page still loads.
    program = early + 'addEventListener("load", () => {\n%s});\n' % open(
        one_file_program, encoding="utf-8").read()
    assert "</script" not in program.lower()
    write(os.path.join(one_file_dir, about["one_file"]),
          page("", "", program, style, about["policy"]["one file"]))


if __name__ == "__main__":
    main(*sys.argv[1:])
