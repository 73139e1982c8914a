# How a Post Office Works

What is the text mainly about?
- the history of stamps and how they are printed
+ the steps a letter goes through from box to door
- how to write an address that a machine can read
- why people send fewer letters than they once did

What does a postcode do, according to the text?
- it shows that the postage has been paid
- it tells the carrier which house comes first
+ it points to a small area and speeds up sorting
- it marks a letter as going to another country

What does the price of sending an item usually depend on?
+ its size, its weight and how far it travels
- the day and the hour at which it is posted
- the number of stamps already on the envelope
- the kind of envelope and the ink on the address

When are the large sorting centres busy?
- early in the morning, before the first collection
- at midday, when the post office counters are full
- at weekends, when fewer trucks are on the roads
+ at night, when most of the day's mail arrives

Why does a machine print a mark over the stamp?
- so the carrier knows which street it is for
+ so the stamp cannot be used again
- so the letter can be sent back if lost
- so the camera can find the address

What happens to mail going to another country?
- it is carried all the way by the same trucks
- it waits at a port until a whole ship is full
- it is sorted only once, at the border itself
+ it is handed to that country's own postal service

How is the mail for each street arranged at the local office?
+ in the order of the houses along the route
- in the order in which the letters were posted
- by size, with the parcels kept to the end
- by the first name of the person it is for

What does the text say is still the basic aim of the post office?
- to move more letters each day than the day before
- to sell stamps and boxes and help with forms
+ to get each item safely to the right door
- to keep the price of postage as low as it can
