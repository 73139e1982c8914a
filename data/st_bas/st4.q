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

Which of these containers for post does the text NOT mention?
- sacks
+ bins
- trays
- cages

Where does the text first mention parcels?
- where it describes the sorting centre
- where it describes online shopping
+ where it explains what postage costs
- where it describes the final delivery

Which words does the text use for what carries letters to the right slots?
+ long belts
- moving belts
- conveyor belts
- sorting belts

Which weather does the text say carriers work in?
- snow, wind and heat
- rain, snow and ice
- snow, ice and heat
+ rain, wind and heat

Which of these ways of moving post does the text NOT mention?
+ by bike
- by train
- on foot
- by plane

Which of these does the text's last paragraph mention?
- carriers who know their area well
- letters sent hundreds of miles
+ help at the counter with forms
- post handed to another country's service
