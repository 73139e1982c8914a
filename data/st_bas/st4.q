# How a Post Office Works

What does the first paragraph say about the system behind a letter?
- it employs thousands of people
+ it runs every day of the week
- it handles millions of letters daily
- it has worked the same way for ages

Which two ways of paying for postage does the text mention?
- buying stamps in a shop or online
- paying by card or with cash
- using an app or a machine in the office
+ printing it at home or paying at a counter

What does the text say the trucks at the sorting centre carry?
+ sacks, trays and cages of post
- bags, boxes and crates of post
- sacks, crates and pallets of post
- trays, tubs and bins of post

What is done first to letters inside the sorting centre, according to the text?
- prints a mark over the stamp
- reads the address with cameras
+ turns the letters to face one way
- prints a pattern of small lines

What does the text say happens to letters at each stage of their trip?
+ they are sorted again into smaller groups
- they are packed into ever bigger sacks
- their addresses are read once more
- they are counted and logged again

Which weather does the text say carriers work in?
- snow, fog and ice
- wind, frost and snow
- rain, snow and fog
+ rain, wind and heat

What does the text say about a carrier's round in the countryside?
- the post may come only every other day
+ a round may cover miles of narrow lanes
- mail is often left at one village box
- the carrier must often go by bicycle

What does the last paragraph name as the post office's basic aim?
- to sell stamps and help people with forms
- to keep up with the rise in parcels
+ to bring each item safely to the right door
- to let senders follow each parcel step by step
