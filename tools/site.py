#!/usr/bin/python3
"""Makes the page's site and its one-file page from the description of the
site (web/site.json) and what the build made before: the first frame the
design wrote (tools/first_frame), the program, the font and the icons in the
site's folder. Each file is made whole from its template, in one go; the page's
own scripts and style sheet go without their comments, which are for the
readers of the source, not for every visit's download.

- The site's page: the first frame, its style sheet inline and the scripts that
  keep presses on it and start the program after the first paint, each allowed
  by its hash in the Content-Security-Policy. The page carries the build's name,
  a hash of every file of the site, with which it asks for start.js: a browser
  holding an older build's script fetches the new one.
- files.json: the build's name and files, for the service worker, which keeps
  them for a visit with no network.
- The one file: the same page with the font and the program inside it, which
  opens from a folder or a USB stick (file://): no manifest, no service worker.

Usage: site.py DESCRIPTION FIRST_FRAME WEB_DIR SITE_DIR ONE_FILE_PROGRAM MANIFEST_TEXT ONE_FILE
"""
import base64
import hashlib
import json
import os
import re
import sys
from string import Template


def csp_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()


def policy(directives, **inline):
    """A Content-Security-Policy, its inline texts allowed by their hashes."""
    return Template("; ".join(directives)).substitute(
        {name: csp_hash(text) for name, text in inline.items()})


def plain(path):
    """One of the page's own files without comments (lines that are only a //
    comment, and every /* ... */ comment) and without the lines' indents; none
    stands inside a string."""
    text = open(path, encoding="utf-8").read()
    text = re.sub(r"[ \t]*/\*.*?\*/[ \t]*\n?", "", text, flags=re.S)
    text = re.sub(r"^[ \t]*//.*\n", "", text, flags=re.M)
    return re.sub(r"^[ \t]+", "", text, flags=re.M)


def compact(style):
    """A style sheet without the spaces around its punctuation, which no rule
    of the page's needs (none stands inside a string or a url())."""
    return re.sub(r"\s*([{};:,])\s*", r"\1", style)


def face(facts, url, display):
    """The page's own font, only where the device has no face of its own."""
    sources = ["local(\"%s\")" % name for name in facts["font_local"]]
    return ('@font-face { font-family: "%s"; src: %s, url(%s) format("woff2"); font-display: %s; }\n'
            % (facts["font_family"], ", ".join(sources), url, display))


def digest(site, names, page):
    hashed = hashlib.sha256()
    for name, content in [(name, open(os.path.join(site, name), "rb").read()) for name in names] + [
            ("index.html", page.encode())]:
        hashed.update(name.encode() + b"\0")
        hashed.update(content)
    return hashed.hexdigest()[:16]


def main(description, first_frame, web, site, one_file_program, manifest_text, one_file):
    about = json.load(open(description, encoding="utf-8"))
    frame = json.load(open(first_frame, encoding="utf-8"))
    facts = frame["facts"]
    sheet = Template(plain(os.path.join(web, about["style"]))).substitute(form=facts["form"])
    template = Template(open(os.path.join(web, "index.html"), encoding="utf-8").read())

    def page(links, build, script, style, directives):
        return template.substitute(
            policy=policy(directives, script=script, style=style), links=links, build=build,
            script=script, style=style, frame=frame["frame"], caption=facts["caption"],
            window_colour=facts["window_colour"])

    early = plain(os.path.join(web, about["early"]))  # keeps the presses on the first frame
    boot = early + plain(os.path.join(web, about["boot"]))
    for name in about["scripts"]:
        open(os.path.join(site, name), "w", encoding="utf-8").write(plain(os.path.join(web, name)))
    manifest = Template(open(os.path.join(web, about["manifest"]), encoding="utf-8").read())
    open(os.path.join(site, about["manifest"]), "w", encoding="utf-8").write(manifest.substitute(
        title=facts["title"], description=manifest_text, window_colour=facts["window_colour"]))

    style = compact(sheet + face(facts, about["font"], "swap") + frame["style"])
    links = '<link rel="manifest" href="%s">\n<link rel="icon" href="%s">\n' % (
        about["manifest"], about["icon"])
    # The font is kept only once a page has asked for it: on a device with no face of its own.
    later = [about["font"]]
    kept = [name for name in about["files"] + later if name not in ("./", "index.html")]
    build = digest(site, kept, page(links, "", boot, style, about["policy"]["site"]))
    open(os.path.join(site, "index.html"), "w", encoding="utf-8").write(
        page(links, ' data-build="%s"' % build, boot, style, about["policy"]["site"]))
    open(os.path.join(site, "files.json"), "w", encoding="utf-8").write(json.dumps(
        {"build": build, "files": about["files"], "later": later}) + "\n")

    # The font inside the file, there from the start where the device has no face of its own.
    font = base64.b64encode(open(os.path.join(site, about["font"]), "rb").read()).decode()
    style = compact(sheet + face(facts, "data:font/woff2;base64," + font, "block") + frame["style"])
    program = early + open(one_file_program, encoding="utf-8").read()
    assert "</script" not in program.lower()
    open(one_file, "w", encoding="utf-8").write(
        page("", "", program, style, about["policy"]["one file"]))


if __name__ == "__main__":
    main(*sys.argv[1:])
