#!/usr/bin/env python3
"""The MIME type, desktop entry and icon agree with each other and with real documents;
the man page of lexigrille-cli covers every command, option and exit code of --help."""
import argparse, configparser, os, re, subprocess, sys, tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
SVG_NS = "{http://www.w3.org/2000/svg}"
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"

failures = []

def check(condition, message):
    if not condition:
        failures.append(message)
    return condition

def mime_type(path, sample):
    root = ET.parse(path).getroot()
    check(root.tag == MIME_NS + "mime-info", f"{path}: root is {root.tag}")
    types = root.findall(MIME_NS + "mime-type")
    if not check(len(types) == 1, f"{path}: {len(types)} mime types"):
        return None, None
    t = types[0]
    comments = {c.get(XML_LANG): c.text for c in t.findall(MIME_NS + "comment")}
    check(comments.get("fr") == "Fiche Lexigrille", f"{path}: French comment {comments.get('fr')!r}")
    matches = t.findall(f"{MIME_NS}magic/{MIME_NS}match")
    head = Path(sample).read_bytes()[:64]
    check(any(m.get("type") == "string" and m.get("offset") == "0"
              and head.startswith(m.get("value").encode("ascii")) for m in matches),
          f"{path}: no magic matches the start of {sample}: {head[:20]!r}")
    icon = t.find(MIME_NS + "icon")
    return t.get("type"), icon.get("name") if icon is not None else None

def mime_database(path, name, icon):
    """The file as shared-mime-info compiles it."""
    with tempfile.TemporaryDirectory() as share:
        db = os.path.join(share, "mime")
        os.makedirs(os.path.join(db, "packages"))
        Path(db, "packages", "lexigrille.xml").write_bytes(Path(path).read_bytes())
        r = subprocess.run(["update-mime-database", db], capture_output=True, text=True, env=dict(os.environ, XDG_DATA_DIRS=share))
        if not check(r.returncode == 0 and not r.stderr.strip(),
                     f"update-mime-database: {r.returncode} {r.stderr.strip()}"):
            return
        check(f":{name}:*.lxg" in Path(db, "globs2").read_text(encoding="utf-8"), "globs2 lacks *.lxg")
        check(f"{name}:{icon}" in Path(db, "icons").read_text(encoding="utf-8").split(), "the compiled icons list lacks the type's icon")

def desktop_entry(path, mime_name, icon):
    entry = configparser.ConfigParser(interpolation=None, delimiters=("=",))
    entry.optionxform = str
    entry.read(path, encoding="utf-8")
    d = entry["Desktop Entry"]
    check(d.get("Exec", "").split() == ["lexigrille", "%f"], f"{path}: Exec={d.get('Exec')}")
    check(mime_name in d.get("MimeType", "").split(";"), f"{path}: MimeType={d.get('MimeType')} lacks {mime_name}")
    check(d.get("Icon") == icon, f"{path}: Icon={d.get('Icon')}, the MIME type names {icon}")
    check("Education" in d.get("Categories", "").split(";"), f"{path}: Categories={d.get('Categories')}")

def svg_icon(path):
    root = ET.parse(path).getroot()
    check(root.tag == SVG_NS + "svg", f"{path}: root is {root.tag}")
    box = root.get("viewBox", "").split()
    check(len(box) == 4 and box[2] == box[3], f"{path}: viewBox {box} is not square")

def man_page(path, cli):
    help_text = subprocess.run([cli, "--help"], capture_output=True, text=True, check=True).stdout
    plain = Path(path).read_text(encoding="utf-8").replace("\\-", "-")
    sections = re.findall(r'^\.SS "?([\w-]+)', plain, re.M)
    commands = re.findall(r"^\s+lexigrille-cli (\w[\w-]*)", help_text, re.M)
    check({"new", "make", "generate", "save", "render"} <= set(commands), f"--help lists the commands {commands}")
    for c in commands:
        check(c in sections, f"{path}: no .SS paragraph for the command {c}")
    for option in set(re.findall(r"(?<![\w-])--?[a-z][a-z-]*", help_text)):
        check(option in plain, f"{path}: the option {option} is not described")
    codes_text = help_text.split("Codes de retour", 1)[-1]
    codes = re.findall(r"(?:^|[:;])\s*(\d+) ", codes_text, re.M)
    check(len(codes) >= 2, f"no exit codes found in --help: {codes_text!r}")
    exit_section = plain.split('.SH "CODES DE RETOUR"', 1)[-1].split("\n.SH", 1)[0]
    for code in codes:
        check(re.search(rf"^\.B {code}$", exit_section, re.M), f"{path}: exit code {code} is not described")
    r = subprocess.run(["groff", "-k", "-man", "-Tutf8", "-ww", "-z", path], capture_output=True, text=True,
                       env=dict(os.environ, LC_ALL="C.UTF-8"))
    check(r.returncode == 0 and not r.stderr.strip(), f"groff on {path}: {r.stderr.strip()}")

def main():
    p = argparse.ArgumentParser()
    for option in ("--packaging", "--man-page", "--sample", "--cli"):
        p.add_argument(option, required=True)
    a = p.parse_args()
    mime_xml = os.path.join(a.packaging, "lexigrille.xml")
    name, icon = mime_type(mime_xml, a.sample)
    check(name == "application/x-lexigrille", f"MIME type {name}")
    check(icon is not None and os.path.isfile(os.path.join(a.packaging, icon + ".svg")),
          f"the MIME type's icon {icon} is not an icon of ours")
    mime_database(mime_xml, name, icon)
    desktop_entry(os.path.join(a.packaging, "lexigrille.desktop"), name, icon)
    svg_icon(os.path.join(a.packaging, "lexigrille.svg"))
    man_page(a.man_page, a.cli)
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0

if __name__ == "__main__":
    sys.exit(main())
