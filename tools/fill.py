#!/usr/bin/python3
"""Makes a file from its template and the design's facts (tools/facts), with
each fact written as the file's format writes text: a placeholder @name@
takes the fact of that name, @NAME@ the same in capitals. A fact that is a
list (the description's paragraphs, the keys) takes the format's own shape:
paragraphs and a table of keys in a plain text, .PP and .TP in a manual page,
<p> in XML. Further JSON files add facts of their own (the installers' contract),
which may name the design's as a template does.

Usage: fill.py FORMAT TEMPLATE OUTPUT FACTS.json [MORE.json...]
  FORMAT: text, text-crlf (a read-me for Notepad), man, xml, desktop, markdown;
  a script (NSIS) takes text
"""
import json
import re
import sys
import textwrap

WIDTH = 79  # a plain text's lines, for any terminal or editor


def escape(text, form):
    if form == "man":
        # A backslash, a leading dot or quote, and a hyphen that is a minus.
        text = text.replace("\\", "\\e").replace("-", "\\-")
        return re.sub(r"^([.'])", r"\\&\1", text, flags=re.M)
    if form == "xml":
        return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace(
            '"', "&quot;")
    return text


def paragraphs(items, form):
    if form == "man":
        return "\n.PP\n".join(escape(p, form) for p in items)
    if form == "xml":
        return "\n".join("<p>%s</p>" % escape(p, form) for p in items)
    if form == "desktop":
        return " ".join(items)
    if form == "markdown":
        return "\n\n".join(items)
    return "\n\n".join(textwrap.fill(p, WIDTH) for p in items)


def keys(items, form):
    if form == "man":
        return "\n".join(".TP\n.B %s\n%s" % (escape(k["keys"], form), escape(k["does"], form))
                         for k in items)
    if form == "xml":
        return "\n".join("<li>%s — %s</li>" % (escape(k["keys"], form), escape(k["does"], form))
                         for k in items)
    if form == "markdown":
        return "| | |\n|---|---|\n" + "\n".join("| %s | %s |" % (k["keys"], k["does"]) for k in items)
    return "\n".join(textwrap.fill("%s — %s" % (k["keys"], k["does"]), WIDTH, subsequent_indent="  ")
                     for k in items)


def value(fact, form):
    if isinstance(fact, list) and fact and isinstance(fact[0], dict):
        return keys(fact, form)
    if isinstance(fact, list):
        return paragraphs(fact, form)
    return escape(str(fact), form)


def fill(template, facts, form):
    def one(match):
        name = match.group(1)
        fact = facts.get(name.lower())
        if fact is None:
            raise KeyError("%s: no such fact" % match.group(0))
        text = value(fact, form)
        return text.upper() if name.isupper() else text
    return re.sub(r"@([A-Za-z_]+)@", one, template)


def main(form, template, output, *sources):
    facts = {}
    for source in sources:
        facts.update(json.load(open(source, encoding="utf-8")))
    # A fact may name others (a message names the title): those are filled first.
    for name, fact in facts.items():
        if isinstance(fact, str):
            facts[name] = re.sub(r"@([a-z_]+)@", lambda m: str(facts[m.group(1)]), fact)
    crlf = form.endswith("-crlf")
    text = fill(open(template, encoding="utf-8").read(), facts, form.replace("-crlf", ""))
    with open(output, "w", encoding="utf-8", newline="\r\n" if crlf else "\n") as made:
        made.write(text)


if __name__ == "__main__":
    main(*sys.argv[1:])
